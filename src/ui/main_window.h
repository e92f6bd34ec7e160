// MainWindow: the application's one window and its menus.
//
// Holds the ContentView, which has a minimum size of its own, under a menu bar
// with the usual File > Quit (Ctrl+Q under any key scheme) and Help > About
// Vellumix; no command opens a second window. The About window is
// shown at most once at a time: asking again brings the open one to the front.
#pragma once

#include <QMainWindow>
#include <QPointer>

#include "ui/about_dialog.h"

class QAction;
class QApplication;

namespace vellumix::ui {

class ContentView;

// The application's identity (ui/app_identity.h), style and icons. Call once,
// right after the QApplication is made.
void setUpApplication(QApplication& app);

class MainWindow : public QMainWindow {
    Q_OBJECT

public:
    explicit MainWindow(QWidget* parent = nullptr);

    ContentView* content() const { return content_; }
    QAction* quitAction() const { return quit_; }
    QAction* aboutAction() const { return about_; }
    // The About window while it is open, else null.
    AboutDialog* aboutDialog() const { return aboutDialog_; }

    void showAbout();

private:
    ContentView* content_;
    QAction* quit_;
    QAction* about_;
    QPointer<AboutDialog> aboutDialog_;
};

}  // namespace vellumix::ui
