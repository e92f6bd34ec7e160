// The application's identity: the names it goes by, its version and its id.
//
// The id names the menu entry, the AppStream metadata and the icon in data/
// (org.vellumix.Vellumix.desktop, ...), so that desktops match the running
// window to them; app_identity_test checks that those files agree with it.
#pragma once

#include <QString>

namespace vellumix::ui {

// The program's name: in `vellumix --version`, in its messages, and the X11
// window class ("vellumix").
QString applicationName();

// The name shown to users ("Vellumix").
QString applicationDisplayName();

// The version, from the build ("1.0.0").
QString applicationVersion();

// The desktop-file and application id ("org.vellumix.Vellumix").
QString applicationId();

// Gives the running application (a QCoreApplication before the window system
// starts, then the QApplication) the names, version and id above.
void applyApplicationIdentity();

}  // namespace vellumix::ui
