// MainWindow: the application's one window and its menus.
//
// Holds the ContentView, which has a minimum size of its own, under a menu bar:
// File > Add Files… (Ctrl+O), Add Folder… (Ctrl+Shift+O), Clear, Rename
// (Ctrl+Return) and Quit (Ctrl+Q under any key scheme), each as enabled as the
// button it stands for; Edit > Undo Rename and Redo Rename of the session's
// batches, with the platform's undo and redo keys (a focused, editable text
// field claims those keys for its own typing, even with nothing left to undo,
// so they never undo a batch from there), Move Up (Alt+Up) and Move Down
// (Alt+Down) of the selected rows; View > Sort By > Name, Date Modified,
// Size, Type, Ascending, Descending, checked as the list is sorted; Help >
// About Vellumix. No command
// opens a second window. Closing the window (or quitting) while a batch runs
// stops the batch before its next move and closes once it has ended. The About window is
// shown at most once at a time: asking again brings the open one to the front.
#pragma once

#include <QList>
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
    QAction* addFilesAction() const { return addFiles_; }
    QAction* addFolderAction() const { return addFolder_; }
    QAction* clearAction() const { return clear_; }
    QAction* renameAction() const { return rename_; }
    QAction* undoAction() const { return undo_; }
    QAction* redoAction() const { return redo_; }
    QAction* moveUpAction() const { return moveUp_; }
    QAction* moveDownAction() const { return moveDown_; }
    // Sort By: the keys in the order of SortKey, then Ascending and Descending.
    const QList<QAction*>& sortActions() const { return sortActions_; }
    QAction* aboutAction() const { return about_; }
    // The About window while it is open, else null.
    AboutDialog* aboutDialog() const { return aboutDialog_; }

    void showAbout();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildFileMenu();
    void buildEditMenu();
    void buildViewMenu();
    // The actions' texts and enabled states, as the view model stands.
    void refreshActions();

    ContentView* content_;
    QAction* addFiles_;
    QAction* addFolder_;
    QAction* clear_;
    QAction* rename_;
    QAction* undo_;
    QAction* redo_;
    QAction* moveUp_;
    QAction* moveDown_;
    QList<QAction*> sortActions_;
    QAction* quit_;
    QAction* about_;
    QPointer<AboutDialog> aboutDialog_;
    bool closeWhenBatchEnds_ = false;
};

}  // namespace vellumix::ui
