// Start-up helpers: the display check and the show command of the launching shell.
#pragma once

class QWidget;

namespace aeon::app {

enum class ShowCommand { Normal, Maximized, MinimizedNoActivate };

// X11 and Wayland pass no show command to a starting program, so this is always Normal; it is
// the one place where a platform that has one would read it.
ShowCommand startupShowCommand();

void showMainWindow(QWidget& window, ShowCommand command);

// Whether a graphical display can be reached (or a platform was chosen explicitly).
bool displayAvailable();

inline constexpr const char* kNoDisplayMessage =
    "AEONARIUM braucht eine grafische Oberfläche, es ist aber keine Anzeige erreichbar "
    "(DISPLAY und WAYLAND_DISPLAY sind nicht gesetzt).\n"
    "AEONARIUM needs a graphical display; none is reachable (DISPLAY and WAYLAND_DISPLAY are "
    "unset).\n"
    "Ohne Anzeige / without a display: aeonarium-cli --help\n";

}  // namespace aeon::app
