// TMainForm's behaviour: enabling buttons, converting a row, clearing rows on a model change.
#include "main.h"

#include <QAction>
#include <QClipboard>
#include <QKeyEvent>
#include <QScreen>

#include "form_font.h"
#include "handler_guard.h"
#include "ui_mainform.h"

TMainForm* MainForm = nullptr;

namespace {

constexpr const char* kNoResult = "--";

}  // namespace

TMainForm::TMainForm(QWidget* parent) : QWidget(parent), ui_(std::make_unique<Ui::TMainForm>()) {
    aeon::ui::ensureTahoma();
    ui_->setupUi(this);
    // A fixed dialog frame with a close button only, above other windows, with its own taskbar
    // entry; the background is the button face, as on a dialog.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint | Qt::WindowStaysOnTopHint);
    setBackgroundRole(QPalette::Button);
    textHeight_ = aeon::ui::applyFormFont(*this, logicalDpiY());

    rows_ = {{
        {ui_->Edit1, ui_->Button1, ui_->Label17, aeon::AgeRow::Millions},
        {ui_->Edit2, ui_->Button2, ui_->Label18, aeon::AgeRow::HundredThousands},
        {ui_->Edit3, ui_->Button3, ui_->Label19, aeon::AgeRow::Thousands},
        {ui_->Edit4, ui_->Button4, ui_->Label20, aeon::AgeRow::Hundreds},
        {ui_->Edit5, ui_->Button5, ui_->Label21, aeon::AgeRow::Years},
        {ui_->Edit6, ui_->Button6, ui_->Label16, aeon::AgeRow::Billions},
    }};
    for (QLabel* label : findChildren<QLabel*>()) setLabelText(*label, label->text());
    for (const Row& row : rows_) {
        row.button->installEventFilter(this);
        addCopyAction(*row.result);
    }
    ui_->ComboBox1->installEventFilter(this);
    connectHandlers();

    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        move(screen->geometry().topLeft());
    }
    ui_->ComboBox1->setFocus(Qt::OtherFocusReason);
}

TMainForm::~TMainForm() = default;

void TMainForm::connectHandlers() {
    using Handler = void (TMainForm::*)();
    static constexpr std::array<Handler, 6> kClicks = {
        &TMainForm::Button1Click, &TMainForm::Button2Click, &TMainForm::Button3Click,
        &TMainForm::Button4Click, &TMainForm::Button5Click, &TMainForm::Button6Click};
    static constexpr std::array<Handler, 6> kChanges = {
        &TMainForm::Edit1Change, &TMainForm::Edit2Change, &TMainForm::Edit3Change,
        &TMainForm::Edit4Change, &TMainForm::Edit5Change, &TMainForm::Edit6Change};
    for (std::size_t n = 0; n < rows_.size(); ++n) {
        connect(rows_[n].button, &QPushButton::clicked, this, aeon::ui::guarded(this, kClicks[n]));
        connect(rows_[n].edit, &QLineEdit::textChanged, this, aeon::ui::guarded(this, kChanges[n]));
    }
    connect(ui_->ComboBox1, &QComboBox::activated, this,
            aeon::ui::guarded(this, &TMainForm::ComboBox1Change));
}

// A right click on a result offers to copy it; no key, focus or layout changes with it.
void TMainForm::addCopyAction(QLabel& label) {
    auto* copy = new QAction(QStringLiteral("Kopieren"), &label);
    connect(copy, &QAction::triggered, &label,
            [&label] { QGuiApplication::clipboard()->setText(label.text()); });
    label.addAction(copy);
    label.setContextMenuPolicy(Qt::ActionsContextMenu);
}

void TMainForm::Button6Click() {
    convertRow(5);
}
void TMainForm::Button1Click() {
    convertRow(0);
}
void TMainForm::Button2Click() {
    convertRow(1);
}
void TMainForm::Button3Click() {
    convertRow(2);
}
void TMainForm::Button4Click() {
    convertRow(3);
}
void TMainForm::Button5Click() {
    convertRow(4);
}
void TMainForm::Edit6Change() {
    updateButton(5);
}
void TMainForm::Edit1Change() {
    updateButton(0);
}
void TMainForm::Edit2Change() {
    updateButton(1);
}
void TMainForm::Edit3Change() {
    updateButton(2);
}
void TMainForm::Edit4Change() {
    updateButton(3);
}
void TMainForm::Edit5Change() {
    updateButton(4);
}

void TMainForm::ComboBox1Change() {
    aeon::SelectYearModel(ui_->ComboBox1->currentIndex());
    // Each emptied box runs its change handler before the next one is emptied.
    for (const Row& row : rows_) row.edit->clear();
    for (const Row& row : rows_) setLabelText(*row.result, QString::fromLatin1(kNoResult));
}

// Labels keep their left edge and take the width of their text and the form's text height.
void TMainForm::setLabelText(QLabel& label, const QString& text) const {
    label.setText(text);
    label.resize(label.sizeHint().width(), textHeight_);
}

void TMainForm::convertRow(std::size_t n) {
    const Row& row = rows_[n];
    // A failed conversion throws before the label is touched.
    const std::string result = aeon::ConvertAge(row.ageRow, row.edit->text().toStdString());
    setLabelText(*row.result, QString::fromStdString(result));
}

void TMainForm::updateButton(std::size_t n) {
    rows_[n].button->setEnabled(!rows_[n].edit->text().isEmpty());
}

bool TMainForm::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) return QWidget::eventFilter(watched, event);
    const auto& key = static_cast<const QKeyEvent&>(*event);
    if (watched == ui_->ComboBox1) {
        return selectorKeys_.handle(*ui_->ComboBox1, key,
                                    aeon::ui::guarded(this, &TMainForm::ComboBox1Change));
    }
    if (auto* button = qobject_cast<QPushButton*>(watched)) return handleButtonKey(*button, key);
    return QWidget::eventFilter(watched, event);
}

bool TMainForm::handleButtonKey(QPushButton& button, const QKeyEvent& event) {
    if (event.modifiers() & ~Qt::KeypadModifier) return false;
    switch (event.key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            button.click();
            return true;
        case Qt::Key_Right:
        case Qt::Key_Down:
            focusNextPrevChild(true);
            return true;
        case Qt::Key_Left:
        case Qt::Key_Up:
            focusNextPrevChild(false);
            return true;
        default:
            return false;
    }
}
