// Symbol names of the interface ("plus.circle", "trash", "photo", ...) mapped
// onto icons of the desktop's freedesktop icon theme, with Qt's standard icons
// as the last fallback so that no button or row is ever without its icon.
//
// Two kinds: full-colour icons (file rows), and one-colour "symbolic" icons
// drawn in a colour the caller chooses (toolbar buttons, the drop zone), which
// follow the palette like text does. Icons are made once per symbol and colour
// and cached. UI thread only; needs a QApplication.
#pragma once

#include <QColor>
#include <QIcon>
#include <string_view>

namespace vellumix::ui {

// Chooses an icon theme when the platform names none and makes the system's
// icon folders searchable (the offscreen platform leaves them out). Call once
// after the QApplication exists.
void setUpIconTheme();

// The application's icon: the installed theme icon, else the bundled one.
QIcon applicationIcon();

// The full-colour icon of `symbol`; an unknown symbol gives a generic file icon.
QIcon symbolIcon(std::string_view symbol);

// The symbolic icon of `symbol` drawn in `color`, and in `disabledColor` (when
// valid) where its control is disabled. Falls back to symbolIcon(symbol) when
// the theme has no symbolic variant.
QIcon tintedSymbolIcon(std::string_view symbol, const QColor& color,
                       const QColor& disabledColor = QColor());

}  // namespace vellumix::ui
