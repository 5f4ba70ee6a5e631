// The window's font (Tahoma, 11 pixels at 96 dpi) and the scaling of a form to its font.
#pragma once

class QFont;
class QWidget;

namespace aeon::ui {

// Makes Tahoma available: where the system lacks it, registers the metric-compatible copy that
// Debian's fonts-wine installs outside the font path.
void ensureTahoma();

// Sets the form's font to its family at 11 pixels, scaled by the screen's `dpi` / 96, then scales
// every child's geometry and the form's fixed size by (height of "0") / 13 where that differs.
// Returns the measured text height, which self-sizing labels take as their height.
int applyFormFont(QWidget& form, int dpi);

// The text height the layout was designed against: the font's cell height from its Windows
// metrics (winAscent + winDescent) where it has them, which for Tahoma at 11 pixels is 13.
int formTextHeight(const QFont& font);

// Multiplies and divides with rounding to nearest, as form scaling needs for coordinates.
int mulDiv(int value, int numerator, int denominator);

}  // namespace aeon::ui
