// Showing the main window as the launching shell asked.
#include "startup.h"

#include <QWidget>
#include <cstdlib>

namespace aeon::app {

ShowCommand startupShowCommand() {
    return ShowCommand::Normal;
}

void showMainWindow(QWidget& window, ShowCommand command) {
    switch (command) {
        case ShowCommand::Maximized:
            window.showMaximized();
            break;
        case ShowCommand::MinimizedNoActivate:
            window.setAttribute(Qt::WA_ShowWithoutActivating);
            window.showMinimized();
            break;
        case ShowCommand::Normal:
            window.show();
            break;
    }
}

bool displayAvailable() {
    auto set = [](const char* name) {
        const char* value = std::getenv(name);
        return value != nullptr && *value != '\0';
    };
    return set("QT_QPA_PLATFORM") || set("DISPLAY") || set("WAYLAND_DISPLAY");
}

}  // namespace aeon::app
