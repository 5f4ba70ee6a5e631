// The error dialog: header, message, a link to the full report, OK and a restart offer.
#pragma once

#include <QDialog>

class QCheckBox;
class QPlainTextEdit;

namespace aeon::app {

class ErrorDialog : public QDialog {
    Q_OBJECT

  public:
    ErrorDialog(const QString& message, const QString& report, bool offerRestart);

    bool restartRequested() const;
    QPlainTextEdit* detailsView() const { return details_; }

  private:
    QCheckBox* restart_ = nullptr;
    QPlainTextEdit* details_ = nullptr;
};

}  // namespace aeon::app
