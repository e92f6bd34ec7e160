// Light or dark: the window follows the desktop's colour scheme.
//
// Every colour of the interface derives from the application palette (see
// palette_colors.h), so the palette alone decides. The platform theme's palette
// comes first: a desktop whose Qt integration hands Qt a dark palette (Plasma,
// for one) is followed as it is. Where that palette is light although the
// desktop asks for dark — the XDG desktop portal's "color-scheme" setting (GNOME,
// and every desktop with a portal), or a GTK_THEME that names a ":dark" variant
// — the application takes a dark palette of its own, and gives it up again
// when the desktop turns back to light while the program runs. UI thread only.
#pragma once

#include <QPalette>
#include <QString>

class QApplication;

namespace vellumix::ui {

enum class ColorScheme { noPreference, light, dark };

// The scheme named by a GTK_THEME value: "Adwaita:dark" is dark, "Adwaita" and
// "" say nothing.
ColorScheme colorSchemeFromGtkTheme(const QString& gtkTheme);

// The desktop's preference now: the portal's setting where a portal answers,
// else GTK_THEME.
ColorScheme desktopColorScheme();

// A complete dark palette in the desktop's usual greys and blue, with disabled
// colours, for styles such as Fusion that take every colour from the palette.
QPalette darkPalette();

// Shows `scheme`: `dark` sets darkPalette() unless the application's palette
// is dark already (the platform's own); anything else gives back the palette
// that darkPalette() replaced, and otherwise leaves the palette alone.
void applyColorScheme(ColorScheme scheme);

// Applies the desktop's preference now and whenever the portal reports a
// change. Call once, after the QApplication and its style are set up.
void followDesktopColorScheme(QApplication& app);

}  // namespace vellumix::ui
