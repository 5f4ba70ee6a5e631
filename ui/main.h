// Unit Main: TMainForm, the calculator's one window, and its single instance MainForm.
#pragma once

#include <QWidget>
#include <array>
#include <memory>

#include "selector_keys.h"
#include "year_model.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace Ui {
class TMainForm;
}

class TMainForm : public QWidget {
    Q_OBJECT

  public:
    explicit TMainForm(QWidget* parent = nullptr);
    ~TMainForm() override;

    // Event handlers, named after their control and event.
    void Button6Click();
    void Button1Click();
    void Button2Click();
    void Button3Click();
    void Button4Click();
    void Button5Click();
    void ComboBox1Change();
    void Edit6Change();
    void Edit1Change();
    void Edit2Change();
    void Edit3Change();
    void Edit4Change();
    void Edit5Change();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // One input row: EditN, ButtonN, its result label and its age unit (index N - 1).
    struct Row {
        QLineEdit* edit;
        QPushButton* button;
        QLabel* result;
        aeon::AgeRow ageRow;
    };

    void setLabelText(QLabel& label, const QString& text) const;
    void convertRow(std::size_t n);
    void updateButton(std::size_t n);
    void connectHandlers();
    static void addCopyAction(QLabel& label);
    bool handleButtonKey(QPushButton& button, const QKeyEvent& event);

    std::unique_ptr<Ui::TMainForm> ui_;
    std::array<Row, 6> rows_;
    int textHeight_ = 13;
    aeon::ui::SelectorKeys selectorKeys_;
};

// The application's main window, once the application has created it.
extern TMainForm* MainForm;
