// Builds the error dialog; it has no owner, no close box and its own taskbar entry.
#include "error_dialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

namespace aeon::app {

ErrorDialog::ErrorDialog(const QString& message, const QString& report, bool offerRestart)
    : QDialog(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
    setObjectName(QStringLiteral("ErrorDialog"));
    setWindowTitle(QStringLiteral("AEONARIUM – Fehler"));

    auto* header = new QLabel(QStringLiteral("<b>In AEONARIUM ist ein Fehler aufgetreten.</b>"));
    header->setObjectName(QStringLiteral("Header"));
    auto* icon = new QLabel;
    icon->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxCritical).pixmap(32, 32));
    auto* headerRow = new QHBoxLayout;
    headerRow->addWidget(icon);
    headerRow->addWidget(header, 1);

    auto* messageBox = new QPlainTextEdit(message);
    messageBox->setObjectName(QStringLiteral("Message"));
    messageBox->setReadOnly(true);
    messageBox->setMaximumHeight(messageBox->fontMetrics().height() * 5);

    auto* link = new QLabel(QStringLiteral("<a href=\"details\">Fehlerbericht anzeigen</a>"));
    link->setObjectName(QStringLiteral("DetailsLink"));
    link->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);

    details_ = new QPlainTextEdit(report);
    details_->setObjectName(QStringLiteral("Details"));
    details_->setReadOnly(true);
    details_->setLineWrapMode(QPlainTextEdit::NoWrap);
    details_->setMinimumSize(560, 240);
    details_->hide();
    connect(link, &QLabel::linkActivated, this, [this] {
        details_->setVisible(!details_->isVisible());
        adjustSize();
    });

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok);
    buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("OkButton"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(headerRow);
    layout->addWidget(messageBox);
    layout->addWidget(link);
    layout->addWidget(details_, 1);
    if (offerRestart) {
        restart_ = new QCheckBox(QStringLiteral("AEONARIUM neu starten"));
        restart_->setObjectName(QStringLiteral("RestartBox"));
        layout->addWidget(restart_);
    }
    layout->addWidget(buttons);
    buttons->button(QDialogButtonBox::Ok)->setFocus();
}

bool ErrorDialog::restartRequested() const {
    return restart_ != nullptr && restart_->isChecked() && result() == QDialog::Accepted;
}

}  // namespace aeon::app
