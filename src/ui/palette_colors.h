// Semantic colours of the interface, derived from a QPalette so that they follow
// the light or the dark appearance of the desktop.
//
// Foreground levels: primary, secondary, tertiary and quaternary, each fainter
// than the one before (the text colour at decreasing opacity, so they read on
// any background). System colours: blue, green, red and amber (warnings), in a
// lighter shade on dark palettes so that text in them stays readable. UI
// thread only.
#pragma once

#include <QColor>
#include <QPalette>

class QWidget;

namespace vellumix::ui {

enum class Foreground { primary, secondary, tertiary, quaternary };
enum class SystemColor { blue, green, red, amber };

// The colour of `role` (WindowText over window backgrounds, Text over the table
// and the card) at the opacity of `level`.
QColor foreground(const QPalette& palette, Foreground level,
                  QPalette::ColorRole role = QPalette::WindowText);

QColor systemColor(const QPalette& palette, SystemColor color);

// The background of a card (the rule panel): the palette's base colour on light
// palettes, a shade lighter than the window on dark ones.
QColor cardBackground(const QPalette& palette);

// `color` with its opacity multiplied by `opacity` (0 to 1).
QColor withOpacity(QColor color, double opacity);

// True when the window background of `palette` is dark.
bool isDark(const QPalette& palette);

// `color` laid over the opaque `background`: the opaque colour the eye sees.
QColor composite(const QColor& color, const QColor& background);

// The contrast ratio of two opaque colours as the web's accessibility
// guidelines (WCAG 2) define it: from 1 (none) to 21 (black on white). Body
// text wants 4.5, large or bold text and symbols 3.
double contrastRatio(const QColor& a, const QColor& b);

// `background` made darker (under light text) or lighter (under dark text), no
// more than needed for `text` on it to reach `minimum` contrast.
QColor withContrast(const QColor& background, const QColor& text, double minimum);

// Sets `role` of `widget`'s palette to `color` in the active and inactive
// groups; the disabled group keeps the platform's look.
void setEnabledColor(QWidget& widget, QPalette::ColorRole role, const QColor& color);

}  // namespace vellumix::ui
