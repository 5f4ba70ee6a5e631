// Application object behaviour beyond Qt's own.
#include "application.h"

#include <QIcon>

#include "handler_guard.h"
#include "regional_settings.h"

namespace aeon::app {

Application::Application(int& argc, char** argv) : QApplication(argc, argv) {
    setApplicationName(QStringLiteral("aeonarium"));
    setApplicationVersion(QStringLiteral(AEONARIUM_VERSION));
    setWindowIcon(QIcon(QStringLiteral(":/aeonarium/aeonarium-32.png")));
}

bool Application::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (...) {
        ui::reportHandlerError(std::current_exception());
        return false;
    }
}

bool Application::event(QEvent* event) {
    if (event->type() == QEvent::LocaleChange) LoadRegionalSettings();
    return QApplication::event(event);
}

}  // namespace aeon::app
