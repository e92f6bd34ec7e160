// ContentView: the content of the application's one window.
//
// Owns the window's RenameViewModel for its whole life and lays the window out
// in two columns with a draggable divider: the side column (the title, the rule
// panel and, while there are files, the statistics) kept between a minimum and
// a maximum width, and the main column (the toolbar row, a divider and the file
// list). It opens the file and folder dialogs behind "Add Files" and
// "Add Folder" and shows the result alert while the view model asks for it.
//
// Everything shown is read from the view model after each burst of its change
// notifications (see ViewModelSnapshot). The view model foresees each preview
// on a thread of its own; what it foresees marks the table's rows and the line
// under the statistics (MarksLine), and F8 / Shift+F8 step through the marked
// rows. Whenever the window becomes active again, the folders are read anew.
// Batches (the rename, its undo and redo) run on a thread of their own while
// a BatchProgressDialog shows how far they have come and can stop them.
// UI thread only.
#pragma once

#include <QPointer>
#include <QWidget>
#include <memory>
#include <string>
#include <vector>

#include "ui/batch_progress_dialog.h"
#include "ui/result_alert.h"

class QLabel;
class QPushButton;
class QScrollArea;
class QSplitter;
class QTimer;

namespace vellumix {
class RenameViewModel;
}

namespace vellumix::ui {

class FileListView;
class MarksLine;
class RulePanel;
class StatBadge;
class ViewModelSnapshot;

class ContentView : public QWidget {
    Q_OBJECT

public:
    explicit ContentView(QWidget* parent = nullptr);
    ~ContentView() override;

    RenameViewModel& viewModel() const { return *vm_; }
    ViewModelSnapshot& snapshot() const { return *snapshot_; }

    QSplitter* splitter() const { return splitter_; }
    QScrollArea* sideColumn() const { return side_; }
    RulePanel* rulePanel() const { return rulePanel_; }
    FileListView* fileList() const { return fileList_; }
    QWidget* statistics() const { return stats_; }
    StatBadge* totalBadge() const { return total_; }
    StatBadge* toRenameBadge() const { return toRename_; }
    StatBadge* unchangedBadge() const { return unchanged_; }
    MarksLine* marksLine() const { return marksLine_; }
    // Shows how far the reading of the files' dates has come, while it runs
    // (also polled then); each refresh shows it too.
    void refreshDatesReading();
    QPushButton* addFilesButton() const { return addFiles_; }
    QPushButton* addFolderButton() const { return addFolder_; }
    QPushButton* clearButton() const { return clear_; }
    QPushButton* renameButton() const { return rename_; }
    // The result alert while it is shown, else null.
    ResultAlert* resultAlert() const { return alert_; }
    // The progress of the batch while one runs, else null.
    BatchProgressDialog* batchProgress() const { return progress_; }

    // The actions of the toolbar buttons.
    void openFilePicker();
    void openFolderPicker();
    void clearFiles();
    void renameFiles();
    // The batches of the Edit menu.
    void undoRename();
    void redoRename();
    // Stops the running batch before its next move, to close the window once
    // it has ended (batchEnded); no result alert is shown for it.
    void stopForClosing();

signals:
    // A batch has ended and its result is in the view model.
    void batchEnded();

protected:
    void changeEvent(QEvent* event) override;

private:
    QWidget* buildSideColumn();
    QWidget* buildMainColumn();
    QWidget* buildToolbar();
    QWidget* buildStatistics();
    void refresh();
    void applyColors();
    void syncAlert();
    void startBatch(const QString& title, void (RenameViewModel::*start)());

    std::unique_ptr<RenameViewModel> vm_;
    std::unique_ptr<ViewModelSnapshot> snapshot_;

    QSplitter* splitter_ = nullptr;
    QScrollArea* side_ = nullptr;
    RulePanel* rulePanel_ = nullptr;
    QWidget* stats_ = nullptr;
    StatBadge* total_ = nullptr;
    StatBadge* toRename_ = nullptr;
    StatBadge* unchanged_ = nullptr;
    MarksLine* marksLine_ = nullptr;
    QLabel* datesReading_ = nullptr;  // under the marks, while the files' dates are read
    QTimer* datesReadingTimer_ = nullptr;
    QPushButton* addFiles_ = nullptr;
    QPushButton* addFolder_ = nullptr;
    QPushButton* clear_ = nullptr;
    QPushButton* rename_ = nullptr;
    FileListView* fileList_ = nullptr;
    QPointer<ResultAlert> alert_;
    QPointer<BatchProgressDialog> progress_;
    bool closing_ = false;
};

}  // namespace vellumix::ui
