// Semantic colours of the interface, derived from a QPalette so that they follow
// the light or the dark appearance of the desktop.
//
// Foreground levels: primary, secondary, tertiary and quaternary, each fainter
// than the one before (the text colour at decreasing opacity, so they read on
// any background). System colours: blue, green and red, in a lighter shade on
// dark palettes so that text in them stays readable. UI thread only.
#pragma once

#include <QColor>
#include <QPalette>

class QWidget;

namespace vellumix::ui {

enum class Foreground { primary, secondary, tertiary, quaternary };
enum class SystemColor { blue, green, red };

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

// Sets `role` of `widget`'s palette to `color` in the active and inactive
// groups; the disabled group keeps the platform's look.
void setEnabledColor(QWidget& widget, QPalette::ColorRole role, const QColor& color);

}  // namespace vellumix::ui
