#include "ui/content_view.h"

#include <QApplication>
#include <QEvent>
#include <QFile>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QPainter>
#include <QPushButton>
#include <QScrollArea>
#include <QShortcut>
#include <QTimer>
#include <QSplitter>
#include <QTableView>
#include <QVBoxLayout>

#include "ui/accessibility.h"
#include "ui/divider.h"
#include "ui/file_list_view.h"
#include "ui/marks_line.h"
#include "ui/palette_colors.h"
#include "ui/prominent_button.h"
#include "ui/rule_panel.h"
#include "ui/stat_badge.h"
#include "ui/symbol_icons.h"
#include "ui/text_styles.h"
#include "ui/toolbar_button.h"
#include "ui/view_model_snapshot.h"
#include "viewmodel/rename_view_model.h"

namespace vellumix::ui {

namespace {

constexpr int kSideMinimumWidth = 280;
constexpr int kSideMaximumWidth = 340;
constexpr int kSidePadding = 16;
constexpr int kSideSpacing = 20;
constexpr int kToolbarSpacing = 10;
constexpr int kStatisticsSpacing = 6;

// The divider between the two columns: a thin line that can be dragged.
class DividerHandle : public QSplitterHandle {
public:
    using QSplitterHandle::QSplitterHandle;

protected:
    void paintEvent(QPaintEvent*) override {
        // A handle one pixel wide grabs a few pixels more; only its middle is drawn.
        QPainter painter(this);
        painter.fillRect(contentsRect(), withOpacity(palette().color(QPalette::WindowText), 0.16));
    }
};

class ColumnSplitter : public QSplitter {
public:
    using QSplitter::QSplitter;

protected:
    QSplitterHandle* createHandle() override { return new DividerHandle(orientation(), this); }
};

// A path from a dialog as the bytes the file system knows it by.
std::string pathBytes(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

}  // namespace

ContentView::ContentView(QWidget* parent)
    : QWidget(parent),
      vm_(std::make_unique<RenameViewModel>()),
      snapshot_(std::make_unique<ViewModelSnapshot>(*vm_)) {
    splitter_ = new ColumnSplitter(Qt::Horizontal, this);
    splitter_->setObjectName(QStringLiteral("contentSplitter"));
    splitter_->setChildrenCollapsible(false);
    splitter_->setHandleWidth(1);
    splitter_->addWidget(buildSideColumn());
    splitter_->addWidget(buildMainColumn());
    splitter_->setStretchFactor(0, 0);
    splitter_->setStretchFactor(1, 1);
    splitter_->setSizes({300, 700});

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(splitter_);

    // The keyboard goes through the rule panel, the toolbar row, then the table.
    QList<QWidget*> order = rulePanel_->controls();
    order << addFiles_ << addFolder_ << clear_ << rename_ << fileList_->table();
    for (qsizetype i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);

    // F8 and Shift+F8 step through the marked rows from anywhere in the window.
    auto* next = new QShortcut(QKeySequence(Qt::Key_F8), this);
    auto* previous = new QShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F8), this);
    connect(next, &QShortcut::activated, this, [this] { fileList_->stepToMarkedRow(true); });
    connect(previous, &QShortcut::activated, this, [this] { fileList_->stepToMarkedRow(false); });
    connect(marksLine_, &MarksLine::nextRequested, next, &QShortcut::activated);
    connect(marksLine_, &MarksLine::previousRequested, previous, &QShortcut::activated);

    // The foresight is worked out on a thread of its own and comes in through
    // this object's event queue.
    // So do batches and the dates read from the files, which come in the same way.
    const auto post = [this](std::function<void()> task) {
        QMetaObject::invokeMethod(this, std::move(task), Qt::QueuedConnection);
    };
    vm_->setForesightPost(post);
    vm_->setBatchPost(post);
    vm_->setDatesPost(post);
    connect(snapshot_.get(), &ViewModelSnapshot::refreshed, this, &ContentView::refresh);
    connect(snapshot_.get(), &ViewModelSnapshot::foresightArrived, this,
            [this] { marksLine_->setMarks(*snapshot_->marks()); });
    applyColors();
    refresh();
}

ContentView::~ContentView() {
    // The threads of a batch and of the foresight stop first: nothing is
    // posted to this object once it is being destroyed.
    vm_->setBatchPost(nullptr);
    vm_->setDatesPost(nullptr);
    vm_->setForesightPost(nullptr);
    delete progress_;
    // Then the widgets: the alert reports its dismissal to the view model,
    // and nothing may reach the view model or the snapshot once they are gone.
    delete alert_;
    delete splitter_;
}

QWidget* ContentView::buildSideColumn() {
    auto* content = new QWidget;
    auto* layout = new QVBoxLayout(content);
    layout->setContentsMargins(kSidePadding, kSidePadding, kSidePadding, kSidePadding);
    layout->setSpacing(kSideSpacing);

    auto* title =
        new StyledLabel(tr("Vellumix"), TextStyle::title2, QFont::Bold, Foreground::primary);
    title->setObjectName(QStringLiteral("appTitle"));
    layout->addWidget(title);
    rulePanel_ = new RulePanel(ConfigBinding::to(*vm_));
    layout->addWidget(rulePanel_);
    stats_ = buildStatistics();
    layout->addWidget(stats_);
    layout->addStretch(1);

    side_ = new QScrollArea;
    side_->setObjectName(QStringLiteral("sideColumn"));
    // Only the controls inside take the keyboard focus.
    side_->setFocusPolicy(Qt::NoFocus);
    side_->setWidget(content);
    side_->setWidgetResizable(true);
    side_->setFrameShape(QFrame::NoFrame);
    side_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    side_->setMinimumWidth(kSideMinimumWidth);
    side_->setMaximumWidth(kSideMaximumWidth);
    side_->setBackgroundRole(QPalette::Window);
    side_->viewport()->setBackgroundRole(QPalette::Window);
    content->setBackgroundRole(QPalette::Window);
    return side_;
}

QWidget* ContentView::buildStatistics() {
    auto* stats = new QWidget;
    stats->setObjectName(QStringLiteral("statistics"));
    auto* layout = new QVBoxLayout(stats);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(kStatisticsSpacing);
    layout->addWidget(new Divider(stats));
    layout->addWidget(new StyledLabel(tr("Preview"), TextStyle::body, QFont::DemiBold,
                                      Foreground::primary, stats));

    auto* badges = new QHBoxLayout;
    total_ = new StatBadge(QStringLiteral("total"), SystemColor::blue, stats);
    toRename_ = new StatBadge(QStringLiteral("to rename"), SystemColor::green, stats);
    unchanged_ = new StatBadge(QStringLiteral("unchanged"), Foreground::secondary, stats);
    total_->setAccessibleDescription(tr("The number of files in the list"));
    toRename_->setAccessibleDescription(tr("The number of files whose name changes"));
    unchanged_->setAccessibleDescription(tr("The number of files whose name stays as it is"));
    for (StatBadge* badge : {total_, toRename_, unchanged_})
        badges->addWidget(badge, 1);
    layout->addLayout(badges);
    marksLine_ = new MarksLine(stats);
    layout->addWidget(marksLine_);
    // The dates of the files are read off this thread, which tells nobody how
    // far it has come: polled while it runs.
    datesReading_ =
        new StyledLabel(QString(), TextStyle::caption, QFont::Normal, Foreground::secondary, stats);
    datesReading_->setObjectName(QStringLiteral("datesReadingLabel"));
    datesReading_->setWordWrap(true);
    datesReading_->hide();
    layout->addWidget(datesReading_);
    datesReadingTimer_ = new QTimer(this);
    datesReadingTimer_->setInterval(100);
    connect(datesReadingTimer_, &QTimer::timeout, this, &ContentView::refreshDatesReading);
    return stats;
}

QWidget* ContentView::buildToolbar() {
    auto* toolbar = new QWidget;
    toolbar->setObjectName(QStringLiteral("toolbarRow"));
    auto* layout = new QHBoxLayout(toolbar);
    layout->setContentsMargins(12, 8, 12, 8);
    layout->setSpacing(kToolbarSpacing);

    addFiles_ = new ToolbarButton(tr("&Add Files"), toolbar);
    addFiles_->setObjectName(QStringLiteral("addFilesButton"));
    addFolder_ = new ToolbarButton(tr("Add F&older"), toolbar);
    addFolder_->setObjectName(QStringLiteral("addFolderButton"));
    clear_ = new ToolbarButton(tr("&Clear"), toolbar);
    clear_->setObjectName(QStringLiteral("clearButton"));
    rename_ = new ProminentButton(toolbar);
    rename_->setObjectName(QStringLiteral("renameButton"));
    describe(*addFiles_, tr("Add Files"), tr("Choose files to add to the list"));
    describe(*addFolder_, tr("Add Folder"),
             tr("Choose a folder; the files in it are added to the list"));
    describe(*clear_, tr("Clear"), tr("Remove every file from the list"));
    rename_->setAccessibleDescription(
        tr("Rename on disk every file whose new name differs from its current name"));
    for (QPushButton* button : {addFiles_, addFolder_, clear_, rename_}) {
        button->setAutoDefault(false);
        button->setIconSize(QSize(16, 16));
    }
    rename_->setDefault(true);

    layout->addWidget(addFiles_);
    layout->addWidget(addFolder_);
    layout->addStretch(1);
    layout->addWidget(clear_);
    layout->addWidget(rename_);

    connect(addFiles_, &QPushButton::clicked, this, &ContentView::openFilePicker);
    connect(addFolder_, &QPushButton::clicked, this, &ContentView::openFolderPicker);
    connect(clear_, &QPushButton::clicked, this, &ContentView::clearFiles);
    connect(rename_, &QPushButton::clicked, this, &ContentView::renameFiles);
    return toolbar;
}

QWidget* ContentView::buildMainColumn() {
    auto* main = new QWidget;
    main->setObjectName(QStringLiteral("mainColumn"));
    auto* layout = new QVBoxLayout(main);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(buildToolbar());
    layout->addWidget(new Divider(main));
    fileList_ = new FileListView(*snapshot_, main);
    layout->addWidget(fileList_, 1);
    return main;
}

void ContentView::refresh() {
    const RenameViewModel& vm = *vm_;
    const bool hasFiles = !vm.files().empty();
    const auto total = static_cast<std::int64_t>(vm.files().size());
    const std::int64_t changed = snapshot_->changedCount();

    // Controls that are about to go (Clear, the rename button, the emptied
    // table) hand the keyboard focus to "Add Files" rather than let it wander.
    if (!hasFiles) {
        const QWidget* focused = QApplication::focusWidget();
        if (focused && (focused == clear_ || focused == rename_ || focused == fileList_->table() ||
                        fileList_->isAncestorOf(focused))) {
            addFiles_->setFocus(Qt::OtherFocusReason);
        }
    }
    stats_->setVisible(hasFiles);
    clear_->setVisible(hasFiles);
    rename_->setVisible(hasFiles);
    total_->setValue(total);
    toRename_->setValue(changed);
    unchanged_->setValue(total - changed);
    rename_->setText(tr("&Rename %1 File(s)").arg(static_cast<qlonglong>(changed)));
    rename_->setAccessibleName(QString(rename_->text()).remove(QLatin1Char('&')));
    rename_->setEnabled(changed != 0 && !vm.isProcessing());
    marksLine_->setMarks(*snapshot_->marks());
    refreshDatesReading();

    rulePanel_->refresh();
    if (progress_ && !vm.isProcessing()) {
        delete progress_;
        emit batchEnded();
    }
    syncAlert();
}

void ContentView::refreshDatesReading() {
    const std::optional<RenameViewModel::DatesReading> reading = vm_->datesReading();
    if (reading) {
        datesReading_->setText(tr("Reading the files’ dates… %L1 of %L2")
                                   .arg(reading->read)
                                   .arg(reading->total));
    }
    datesReading_->setVisible(reading.has_value());
    if (reading && !datesReadingTimer_->isActive()) datesReadingTimer_->start();
    if (!reading) datesReadingTimer_->stop();
}

void ContentView::syncAlert() {
    RenameViewModel& vm = *vm_;
    if (closing_) return;
    if (vm.showAlert() && !alert_) {
        auto* alert = new ResultAlert(vm.resultReport(), this);
        alert->setAttribute(Qt::WA_DeleteOnClose);
        alert->setWindowModality(Qt::WindowModal);
        connect(alert, &QDialog::finished, this, [this] {
            if (vm_->showAlert()) vm_->setShowAlert(false);
            // After a batch the keyboard is on the list, never on the rename
            // button: Return pressed once more must not start another batch.
            if (vm_->files().empty()) {
                addFiles_->setFocus(Qt::OtherFocusReason);
            } else {
                fileList_->table()->setFocus(Qt::OtherFocusReason);
            }
        });
        alert_ = alert;
        alert->open();
    } else if (!vm.showAlert() && alert_) {
        // Dismissed elsewhere: close without reporting back.
        alert_->disconnect(this);
        alert_->close();
    }
}

void ContentView::applyColors() {
    const QPalette& p = palette();
    const QColor buttonText = p.color(QPalette::Active, QPalette::ButtonText);
    const QColor disabledText = p.color(QPalette::Disabled, QPalette::ButtonText);
    addFiles_->setIcon(tintedSymbolIcon("plus.circle", buttonText, disabledText));
    addFolder_->setIcon(tintedSymbolIcon("folder.badge.plus", buttonText, disabledText));

    const QColor red = systemColor(p, SystemColor::red);
    setEnabledColor(*clear_, QPalette::ButtonText, red);
    clear_->setIcon(tintedSymbolIcon("trash", red, disabledText));

    // The prominent button draws its own accent fill.
    const QColor accentText = p.color(QPalette::Active, QPalette::HighlightedText);
    rename_->setIcon(tintedSymbolIcon("checkmark.circle.fill", accentText, disabledText));
}

void ContentView::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::PaletteChange) applyColors();
    // Back in the window, the user may have changed files in the meantime:
    // the foresight reads the folders anew.
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && !vm_->files().empty())
        vm_->refreshFolders();
}

void ContentView::openFilePicker() {
    const QStringList paths = QFileDialog::getOpenFileNames(this);
    if (paths.isEmpty()) return;
    std::vector<FileUrl> urls;
    urls.reserve(static_cast<std::size_t>(paths.size()));
    for (const QString& path : paths)
        urls.emplace_back(pathBytes(path));
    vm_->addFiles(urls);
}

void ContentView::openFolderPicker() {
    const QString folder =
        QFileDialog::getExistingDirectory(this, QString(), QString(), QFileDialog::ShowDirsOnly);
    if (folder.isEmpty()) return;
    std::string path = pathBytes(folder);
    if (path.back() != '/') path += '/';
    vm_->addFolder(FileUrl(path));
}

void ContentView::clearFiles() {
    vm_->setFiles({});
}

void ContentView::renameFiles() {
    startBatch(tr("Rename"), &RenameViewModel::startRename);
}

void ContentView::undoRename() {
    startBatch(tr("Undo Rename"), &RenameViewModel::startUndoRename);
}

void ContentView::redoRename() {
    startBatch(tr("Redo Rename"), &RenameViewModel::startRedoRename);
}

void ContentView::startBatch(const QString& title, void (RenameViewModel::*start)()) {
    if (vm_->isProcessing()) return;
    (vm_.get()->*start)();
    // A batch with nothing to do, or run at once, has ended already.
    if (vm_->isProcessing()) progress_ = new BatchProgressDialog(*vm_, title, window());
}

void ContentView::stopForClosing() {
    closing_ = true;
    vm_->cancelBatch();
}

}  // namespace vellumix::ui
