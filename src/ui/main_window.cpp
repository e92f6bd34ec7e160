#include "ui/main_window.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QMenuBar>
#include <QPushButton>
#include <QStyle>
#include <QStyleFactory>

#include "ui/about_dialog.h"
#include "ui/app_identity.h"
#include "ui/content_view.h"
#include "ui/file_list_view.h"
#include "viewmodel/rename_view_model.h"
#include "ui/symbol_icons.h"
#include "ui/view_model_snapshot.h"

namespace vellumix::ui {

namespace {

constexpr int kMinimumWidth = 960;
constexpr int kMinimumHeight = 640;

}  // namespace

void setUpApplication(QApplication& app) {
    applyApplicationIdentity();
    // The platform's own style, unless it offers none better than the bare one.
    if (app.style()->name().compare(QLatin1String("windows"), Qt::CaseInsensitive) == 0 &&
        QStyleFactory::keys().contains(QLatin1String("Fusion"), Qt::CaseInsensitive)) {
        QApplication::setStyle(QStringLiteral("Fusion"));
    }
    setUpIconTheme();
    QApplication::setWindowIcon(applicationIcon());
}

MainWindow::MainWindow(QWidget* parent) : QMainWindow(parent) {
    setObjectName(QStringLiteral("mainWindow"));
    setWindowTitle(tr("Vellumix"));
    content_ = new ContentView(this);
    content_->setMinimumSize(kMinimumWidth, kMinimumHeight);
    setCentralWidget(content_);

    buildFileMenu();
    buildEditMenu();
    buildViewMenu();
    QMenu* help = menuBar()->addMenu(tr("&Help"));
    about_ = help->addAction(QIcon::fromTheme(QStringLiteral("help-about")), tr("About Vellumix"));
    about_->setMenuRole(QAction::AboutRole);
    connect(about_, &QAction::triggered, this, &MainWindow::showAbout);

    connect(&content_->snapshot(), &ViewModelSnapshot::refreshed, this,
            &MainWindow::refreshActions);
    connect(content_, &ContentView::batchEnded, this, [this] {
        if (closeWhenBatchEnds_) close();
    });
    refreshActions();
}

void MainWindow::buildFileMenu() {
    QMenu* file = menuBar()->addMenu(tr("&File"));
    addFiles_ = file->addAction(tr("Add &Files\u2026"), QKeySequence(Qt::CTRL | Qt::Key_O),
                                content_, &ContentView::openFilePicker);
    addFolder_ =
        file->addAction(tr("Add F&older\u2026"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_O),
                        content_, &ContentView::openFolderPicker);
    clear_ = file->addAction(tr("&Clear"), content_, &ContentView::clearFiles);
    rename_ = file->addAction(tr("&Rename"), QKeySequence(Qt::CTRL | Qt::Key_Return), content_,
                              &ContentView::renameFiles);
    file->addSeparator();
    quit_ = file->addAction(QIcon::fromTheme(QStringLiteral("application-exit")), tr("&Quit"));
    // Ctrl+Q everywhere, beside whatever the platform's key scheme binds to
    // quitting (some platform themes bind nothing).
    QList<QKeySequence> quitKeys = QKeySequence::keyBindings(QKeySequence::Quit);
    const QKeySequence ctrlQ(Qt::CTRL | Qt::Key_Q);
    if (!quitKeys.contains(ctrlQ)) quitKeys.prepend(ctrlQ);
    quit_->setShortcuts(quitKeys);
    quit_->setMenuRole(QAction::QuitRole);
    connect(quit_, &QAction::triggered, qApp, &QApplication::closeAllWindows);
}

void MainWindow::buildEditMenu() {
    QMenu* edit = menuBar()->addMenu(tr("&Edit"));
    undo_ = edit->addAction(QIcon::fromTheme(QStringLiteral("edit-undo")), QString());
    undo_->setShortcuts(QKeySequence::Undo);
    redo_ = edit->addAction(QIcon::fromTheme(QStringLiteral("edit-redo")), QString());
    redo_->setShortcuts(QKeySequence::Redo);
    connect(undo_, &QAction::triggered, content_, &ContentView::undoRename);
    connect(redo_, &QAction::triggered, content_, &ContentView::redoRename);
    edit->addSeparator();
    moveUp_ = edit->addAction(tr("Move U&p"), QKeySequence(Qt::ALT | Qt::Key_Up), this,
                              [this] { content_->fileList()->moveSelectedRows(true); });
    moveDown_ = edit->addAction(tr("Move Do&wn"), QKeySequence(Qt::ALT | Qt::Key_Down), this,
                                [this] { content_->fileList()->moveSelectedRows(false); });
}

namespace {
// The View › Sort By menu: its keys, then Ascending and Descending.
constexpr qsizetype kSortKeys = 5;
}  // namespace

void MainWindow::buildViewMenu() {
    QMenu* sortBy = menuBar()->addMenu(tr("&View"))->addMenu(tr("Sort &By"));
    auto* keys = new QActionGroup(this);
    keys->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
    auto* directions = new QActionGroup(this);
    const auto add = [&](const QString& text, QActionGroup* group) {
        QAction* action = sortBy->addAction(text);
        action->setCheckable(true);
        group->addAction(action);
        sortActions_ << action;
        return action;
    };
    // In the order of SortKey.
    for (const QString& key :
         {tr("&Name"), tr("Date &Modified"), tr("Date Ta&ken"), tr("&Size"), tr("&Type")})
        add(key, keys);
    sortBy->addSeparator();
    add(tr("&Ascending"), directions)->setChecked(true);
    add(tr("&Descending"), directions);
    // A key sorts in the direction checked; a direction sorts by the key
    // checked, by name when none is.
    const auto sort = [this, keys] {
        const QAction* key = keys->checkedAction();
        content_->viewModel().sortFiles(
            {key == nullptr ? SortKey::name : SortKey(sortActions_.indexOf(key)),
             sortActions_.back()->isChecked()});
        // A sort by date taken may wait for dates being read, which says so.
        content_->refreshDatesReading();
    };
    for (QAction* action : sortActions_)
        connect(action, &QAction::triggered, this, sort);
}

void MainWindow::refreshActions() {
    const RenameViewModel& vm = content_->viewModel();
    // A batch is undone or redone only while none is running and no alert waits.
    const bool idle = !vm.isProcessing() && !vm.showAlert();
    const std::int64_t toUndo = vm.canUndoRename() ? vm.filesToUndo() : 0;
    const std::int64_t toRedo = vm.canRedoRename() ? vm.filesToRedo() : 0;
    undo_->setText(toUndo == 0
                       ? tr("&Undo Rename")
                       : tr("&Undo Rename of %Ln Files", nullptr, static_cast<int>(toUndo)));
    redo_->setText(toRedo == 0
                       ? tr("&Redo Rename")
                       : tr("&Redo Rename of %Ln Files", nullptr, static_cast<int>(toRedo)));
    undo_->setEnabled(idle && vm.canUndoRename());
    redo_->setEnabled(idle && vm.canRedoRename());
    const bool reorderable = idle && vm.files().size() > 1;
    moveUp_->setEnabled(reorderable);
    moveDown_->setEnabled(reorderable);
    const std::optional<FileSort> sorted = vm.sortedBy();
    for (qsizetype i = 0; i < sortActions_.size(); ++i) {
        QAction* action = sortActions_[i];
        action->setEnabled(reorderable);
        if (i < kSortKeys) action->setChecked(sorted && sorted->key == SortKey(i));
    }
    if (sorted) sortActions_[kSortKeys + (sorted->descending ? 1 : 0)]->setChecked(true);
    // The File menu's commands are as usable as the buttons they stand for,
    // which the content view has just set (it takes each refresh first).
    const auto usable = [](const QPushButton* button) {
        return !button->isHidden() && button->isEnabled();
    };
    addFiles_->setEnabled(usable(content_->addFilesButton()));
    addFolder_->setEnabled(usable(content_->addFolderButton()));
    clear_->setEnabled(usable(content_->clearButton()));
    rename_->setEnabled(usable(content_->renameButton()));
}

void MainWindow::closeEvent(QCloseEvent* event) {
    // A batch is stopped before its next move, never in the middle of one;
    // the window closes once it has ended.
    if (content_->viewModel().isProcessing()) {
        closeWhenBatchEnds_ = true;
        content_->stopForClosing();
        event->ignore();
        return;
    }
    QMainWindow::closeEvent(event);
}

void MainWindow::showAbout() {
    if (!aboutDialog_) {
        aboutDialog_ = new AboutDialog(this);
        aboutDialog_->setAttribute(Qt::WA_DeleteOnClose);
    }
    aboutDialog_->show();
    aboutDialog_->raise();
    aboutDialog_->activateWindow();
}

}  // namespace vellumix::ui
