// Reporting an error while the main window keeps painting but takes no input.
#include "crash_reporter.h"

#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QEventLoop>
#include <QFileInfo>
#include <QScreen>
#include <QStandardPaths>
#include <QTimer>
#include <QWidget>
#include <cstdlib>
#include <utility>

#include "error_dialog.h"
#include "error_report.h"
#include "handler_guard.h"
#include "process_restart.h"
#include "regional_settings.h"
#include "report_log.h"

namespace aeon::app {
namespace {

CrashReporter* installed = nullptr;

// While the dialog is open, other windows take no mouse buttons or keys (each one beeps), and
// activating one of them brings the dialog back to the front.
class InputBlocker : public QObject {
  public:
    InputBlocker(QWidget& dialog, std::function<void()> beep)
        : dialog_(dialog), beep_(std::move(beep)) {
        qApp->installEventFilter(this);
    }
    ~InputBlocker() override { qApp->removeEventFilter(this); }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (!watched->isWidgetType()) return false;
        const auto* widget = static_cast<QWidget*>(watched);
        if (widget->window() == &dialog_) return false;
        switch (event->type()) {
            case QEvent::MouseButtonPress:
            case QEvent::MouseButtonDblClick:
            case QEvent::KeyPress:
                if (beep_) beep_();
                return true;
            case QEvent::MouseButtonRelease:
            case QEvent::KeyRelease:
            case QEvent::ShortcutOverride:
            case QEvent::Shortcut:
            case QEvent::Wheel:
                return true;
            case QEvent::WindowActivate:
                // Qt tells every widget of an activated window; the window itself is enough.
                if (!widget->isWindow()) return false;
                QTimer::singleShot(0, &dialog_, [this] {
                    dialog_.raise();
                    dialog_.activateWindow();
                });
                return false;
            default:
                return false;
        }
    }

  private:
    QWidget& dialog_;
    std::function<void()> beep_;
};

void centreOnActiveScreen(QWidget& dialog) {
    const QWidget* active = QApplication::activeWindow();
    QScreen* screen = active != nullptr ? active->screen() : QGuiApplication::primaryScreen();
    if (screen == nullptr) return;
    dialog.adjustSize();
    QRect frame = dialog.frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    dialog.move(frame.topLeft());
}

void terminateWithReport() {
    if (installed != nullptr && qApp != nullptr) {
        if (const std::exception_ptr error = std::current_exception()) installed->report(error);
    }
    std::_Exit(1);
}

}  // namespace

CrashReporter::CrashReporter(Options options)
    : options_(std::move(options)), policy_(options_.clock) {}

CrashReporter* CrashReporter::instance() {
    return installed;
}

void CrashReporter::install() {
    installed = this;
    ui::setErrorHook([this](std::exception_ptr error) { report(error); });
    std::set_terminate(terminateWithReport);
}

void CrashReporter::report(const std::exception_ptr& error) {
    const ErrorInfo info = describeError(error);
    if (info.silent) return;
    const RestartPolicy::Decision decision = policy_.recordError();
    const QString report =
        reportText(info, QDateTime::currentDateTime(), currentRegionalSettings());

    if (options_.beep) options_.beep();
    ErrorDialog dialog(dialogMessage(info.message), report, decision.offerRestart);
    centreOnActiveScreen(dialog);
    {
        const InputBlocker blocker(dialog, options_.beep);
        QEventLoop loop;
        QObject::connect(&dialog, &QDialog::finished, &loop, &QEventLoop::quit);
        dialog.show();
        dialog.activateWindow();
        if (options_.dialogShown) options_.dialogShown(dialog);
        if (dialog.isVisible()) loop.exec();
    }

    ReportLog(options_.logPath, options_.fallbackFolder).append(report);
    if ((dialog.restartRequested() || decision.restartAutomatically) && options_.restart) {
        options_.restart();
    }
}

CrashReporter::Options programReporterOptions(int argc, char** argv) {
    const ProcessRestart restart = ProcessRestart::record(argc, argv);
    const QFileInfo executable(restart.program());
    CrashReporter::Options options;
    options.logPath =
        executable.dir().filePath(executable.completeBaseName() + QStringLiteral(".elf"));
    options.fallbackFolder = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
                             QStringLiteral("/aeonarium");
    options.beep = [] { QApplication::beep(); };
    options.restart = [restart] { restart.run(); };
    return options;
}

}  // namespace aeon::app
