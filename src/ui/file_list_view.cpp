#include "ui/file_list_view.h"

#include <QAbstractButton>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QEvent>
#include <QFocusEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>
#include <vector>

#include "model/file_url.h"
#include "model/uuid.h"
#include "ui/accessibility.h"
#include "ui/drop_zone.h"
#include "ui/list_header.h"
#include "ui/palette_colors.h"
#include "ui/preview_delegates.h"
#include "ui/preview_table_model.h"
#include "ui/view_model_snapshot.h"
#include "viewmodel/dropped_paths.h"
#include "viewmodel/rename_view_model.h"

namespace vellumix::ui {

namespace {

constexpr int kStatusColumnWidth = 90;
constexpr int kIconSize = 16;

void acceptAsCopy(QDropEvent* event) {
    // Adding to the list copies nothing, but "copy" is the action that never
    // asks the source to delete what it dragged.
    if (event->possibleActions() & Qt::CopyAction) {
        event->setDropAction(Qt::CopyAction);
        event->accept();
    } else {
        event->acceptProposedAction();
    }
}

}  // namespace

FileListView::FileListView(ViewModelSnapshot& snapshot, QWidget* parent)
    : QWidget(parent), snapshot_(snapshot) {
    setAcceptDrops(true);

    model_ = new PreviewTableModel(this);
    table_ = new QTableView(this);
    table_->setObjectName(QStringLiteral("previewTable"));
    table_->setModel(model_);
    describe(*table_, tr("Files"),
             tr("Each file's current name, its new name and its status. "
                "Delete removes the selected files from the list."));

    auto* header = new ListHeader(table_);
    table_->setHorizontalHeader(header);
    header->setSectionResizeMode(PreviewTableModel::originalNameColumn, QHeaderView::Stretch);
    header->setSectionResizeMode(PreviewTableModel::newNameColumn, QHeaderView::Stretch);
    header->setSectionResizeMode(PreviewTableModel::statusColumn, QHeaderView::Fixed);
    header->setMinimumSectionSize(kStatusColumnWidth / 2);
    header->resizeSection(PreviewTableModel::statusColumn, kStatusColumnWidth);
    header->setStretchLastSection(false);
    connect(header, &QHeaderView::sectionClicked, this, [this](int section) {
        if (section == PreviewTableModel::originalNameColumn) sortByName();
    });

    // Rows of one fixed height: nothing is measured per row, so a list of
    // 100,000 files lays out and scrolls as fast as a short one.
    QHeaderView* rows = table_->verticalHeader();
    rows->hide();
    rows->setSectionResizeMode(QHeaderView::Fixed);
    rows->setMinimumSectionSize(kIconSize);
    rows->setDefaultSectionSize(std::max(fontMetrics().height(), kIconSize) + 2 * 2 + 6);

    table_->setItemDelegateForColumn(PreviewTableModel::originalNameColumn,
                                     new NameCellDelegate(table_));
    table_->setItemDelegateForColumn(PreviewTableModel::newNameColumn,
                                     new NameCellDelegate(table_));
    table_->setItemDelegateForColumn(PreviewTableModel::statusColumn,
                                     new StatusBadgeDelegate(table_));
    table_->setShowGrid(false);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setWordWrap(false);
    table_->setTextElideMode(Qt::ElideRight);
    table_->setIconSize(QSize(kIconSize, kIconSize));
    table_->setFrameShape(QFrame::NoFrame);
    table_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    table_->setCornerButtonEnabled(false);
    // The corner button (hidden with the row numbers) still stands in the
    // accessibility tree: it gets a name like every other button.
    if (auto* corner = table_->findChild<QAbstractButton*>()) {
        describe(*corner, tr("Select All"), tr("Selects every file in the list"));
    }
    table_->setTabKeyNavigation(false);
    // Rows are dragged from the table and dropped on this view (see dropEvent).
    table_->setDragDropMode(QAbstractItemView::DragOnly);
    table_->setDefaultDropAction(Qt::MoveAction);
    table_->setAcceptDrops(false);
    table_->setContextMenuPolicy(Qt::CustomContextMenu);
    table_->installEventFilter(this);
    table_->viewport()->installEventFilter(this);

    // Over the table's rows, under its header, while there is no file.
    dropZone_ = new DropZone(table_);
    dropZone_->setObjectName(QStringLiteral("dropZone"));

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(table_);

    connect(table_, &QWidget::customContextMenuRequested, this, &FileListView::showContextMenu);
    // The keyboard focus frame spans the current row (see the delegates): it
    // moves with the current row, which need not change the selection.
    connect(table_->selectionModel(), &QItemSelectionModel::currentRowChanged, table_->viewport(),
            qOverload<>(&QWidget::update));
    connect(&snapshot_, &ViewModelSnapshot::refreshed, this, &FileListView::refresh);
    connect(&snapshot_, &ViewModelSnapshot::foresightArrived, this,
            [this] { model_->setMarks(snapshot_.marks()); });
    applyColors();
    refresh();
}

void FileListView::refresh() {
    const std::optional<FileSort> sorted = snapshot_.viewModel().sortedBy();
    QHeaderView* header = table_->horizontalHeader();
    header->setSortIndicatorShown(sorted && sorted->key == SortKey::name);
    if (sorted && sorted->key == SortKey::name) {
        header->setSortIndicator(PreviewTableModel::originalNameColumn,
                                 sorted->descending ? Qt::DescendingOrder : Qt::AscendingOrder);
    }
    model_->setItems(snapshot_.preview());
    model_->setMarks(snapshot_.marks());
    const bool empty = snapshot_.viewModel().files().empty();
    if (empty) placeDropZone();
    dropZone_->setVisible(empty);
    // An empty table under the drop zone is no place for the keyboard.
    table_->setFocusPolicy(empty ? Qt::NoFocus : Qt::StrongFocus);
}

void FileListView::placeDropZone() {
    dropZone_->setGeometry(table_->viewport()->geometry());
    dropZone_->raise();
}

void FileListView::applyColors() {
    model_->setTextColors(foreground(palette(), Foreground::primary, QPalette::Text),
                          foreground(palette(), Foreground::secondary, QPalette::Text));
    model_->setMarkColors(systemColor(palette(), SystemColor::red),
                          systemColor(palette(), SystemColor::amber));
}

void FileListView::stepToMarkedRow(bool forward) {
    const PreviewMarks& marks = model_->marks();
    const QModelIndex current = table_->currentIndex();
    std::optional<std::size_t> from;
    if (current.isValid()) from = static_cast<std::size_t>(current.row());
    const std::optional<std::size_t> row = forward ? marks.after(from) : marks.before(from);
    if (!row || static_cast<int>(*row) >= model_->rowCount()) return;
    const QModelIndex target = model_->index(static_cast<int>(*row), 0);
    table_->selectionModel()->setCurrentIndex(
        target, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    table_->scrollTo(target);
}

void FileListView::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::PaletteChange) applyColors();
}

bool FileListView::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (watched == table_->viewport() &&
        (type == QEvent::Resize || type == QEvent::Move || type == QEvent::Show)) {
        placeDropZone();
    } else if (watched == table_ && type == QEvent::FocusIn) {
        // Arriving by keyboard selects the current row, so that what the
        // focus frame shows is what Delete removes.
        const auto reason = static_cast<QFocusEvent*>(event)->reason();
        if ((reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason) &&
            model_->rowCount() > 0 && !table_->selectionModel()->hasSelection()) {
            const QModelIndex current = table_->currentIndex();
            table_->selectRow(current.isValid() ? current.row() : 0);
        }
    } else if (watched == table_ && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const auto modifiers = key->modifiers() & ~Qt::KeypadModifier;
        if ((key->key() == Qt::Key_Delete || key->key() == Qt::Key_Backspace) &&
            modifiers == Qt::NoModifier) {
            removeSelectedRows();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void FileListView::showContextMenu(const QPoint& position) {
    const QModelIndex clicked = table_->indexAt(position);
    if (!clicked.isValid()) return;
    if (!table_->selectionModel()->isRowSelected(clicked.row(), QModelIndex()))
        table_->selectRow(clicked.row());
    QMenu menu(this);
    QAction* remove = menu.addAction(tr("Remove from List"));
    remove->setShortcut(QKeySequence::Delete);
    connect(remove, &QAction::triggered, this, &FileListView::removeSelectedRows);
    menu.exec(table_->viewport()->mapToGlobal(position));
}

void FileListView::removeSelectedRows() {
    const QModelIndexList selected = table_->selectionModel()->selectedRows();
    if (selected.isEmpty()) return;
    RenameViewModel& vm = snapshot_.viewModel();
    std::vector<Uuid> ids;
    const std::vector<FileItem>& shown = model_->items();
    const int current = table_->currentIndex().isValid() ? table_->currentIndex().row() : 0;
    int removedAboveCurrent = 0;
    for (const QModelIndex& index : selected) {
        const auto row = static_cast<std::size_t>(index.row());
        if (row >= shown.size()) continue;
        ids.push_back(shown[row].id);
        removedAboveCurrent += index.row() < current;
    }
    const std::vector<std::size_t> remove = positionsOf(vm.files(), ids);
    if (remove.empty()) return;
    vm.removeFiles(remove);

    // The shorter list is shown at once, and the keyboard keeps its place: the
    // current row, or the row that took its place (the last row at the end),
    // is selected, so that the next Delete removes it.
    snapshot_.refresh();
    const int rows = model_->rowCount();
    if (rows == 0) return;
    const int row = std::min(current - removedAboveCurrent, rows - 1);
    table_->selectionModel()->setCurrentIndex(
        model_->index(row, 0), QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
}

std::vector<Uuid> FileListView::selectedIds() const {
    QModelIndexList selected = table_->selectionModel()->selectedRows();
    std::sort(selected.begin(), selected.end());
    std::vector<Uuid> ids;
    const std::vector<FileItem>& shown = model_->items();
    for (const QModelIndex& index : selected) {
        if (static_cast<std::size_t>(index.row()) < shown.size())
            ids.push_back(shown[static_cast<std::size_t>(index.row())].id);
    }
    return ids;
}

void FileListView::selectIds(const std::vector<Uuid>& ids) {
    QItemSelection selection;
    for (const std::size_t row : positionsOf(model_->items(), ids)) {
        const QModelIndex index = model_->index(static_cast<int>(row), 0);
        selection.select(index, index);
    }
    if (selection.isEmpty()) return;
    table_->selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect |
                                                    QItemSelectionModel::Rows);
    const QModelIndex first = selection.indexes().front();
    table_->selectionModel()->setCurrentIndex(first, QItemSelectionModel::NoUpdate);
    table_->scrollTo(first);
}

void FileListView::moveSelectedRows(bool up) {
    RenameViewModel& vm = snapshot_.viewModel();
    const std::vector<Uuid> ids = selectedIds();
    const std::vector<std::size_t> positions = positionsOf(vm.files(), ids);
    if (positions.empty()) return;
    if (up ? positions.front() == 0 : positions.back() + 1 >= vm.files().size()) return;
    vm.moveFiles(positions, up ? positions.front() - 1 : positions.back() + 2);
    // The new order is shown at once, the moved rows still selected.
    snapshot_.refresh();
    selectIds(ids);
}

void FileListView::dropRows(const std::vector<Uuid>& ids, const QPoint& at) {
    RenameViewModel& vm = snapshot_.viewModel();
    const std::vector<std::size_t> positions = positionsOf(vm.files(), ids);
    if (positions.empty()) return;
    const QPoint inTable = table_->viewport()->mapFrom(this, at);
    const int row = table_->rowAt(inTable.y());
    std::size_t before = vm.files().size();  // below the last row: at the end
    if (row >= 0 && static_cast<std::size_t>(row) < model_->items().size()) {
        const QRect cell = table_->visualRect(model_->index(row, 0));
        const std::vector<std::size_t> target =
            positionsOf(vm.files(), {model_->items()[static_cast<std::size_t>(row)].id});
        if (!target.empty()) before = target.front() + (inTable.y() > cell.center().y() ? 1 : 0);
    }
    vm.moveFiles(positions, before);
    snapshot_.refresh();
    selectIds(ids);
}

void FileListView::sortByName() {
    RenameViewModel& vm = snapshot_.viewModel();
    const std::optional<FileSort> sorted = vm.sortedBy();
    vm.sortFiles({SortKey::name, sorted == FileSort{SortKey::name, false}});
}

std::optional<std::string> FileListView::localPath(const QUrl& url) {
    if (!url.isValid() || !url.isLocalFile()) return std::nullopt;
    const QString host = url.host();
    if (!host.isEmpty() && host.compare(QLatin1String("localhost"), Qt::CaseInsensitive) != 0) {
        return std::nullopt;
    }
    // Decoded here rather than by QUrl::toLocalFile(), which would replace
    // bytes that are not UTF-8: a path is kept byte for byte.
    const QByteArray bytes =
        QByteArray::fromPercentEncoding(url.path(QUrl::FullyEncoded).toLatin1());
    if (!bytes.startsWith('/') || bytes.contains('\0')) return std::nullopt;
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

void FileListView::handleDrop(const QList<QUrl>& urls) {
    for (const QUrl& url : urls) {
        if (const std::optional<std::string> path = localPath(url)) addPath(*path);
    }
}

void FileListView::addPaths(const std::vector<std::string>& paths) {
    for (const std::string& path : paths) {
        if (!path.empty() && path.front() == '/') addPath(path);
    }
}

void FileListView::addPath(const std::string& path) {
    if (std::optional<std::vector<FileUrl>> files = filesOfDroppedPath(path))
        snapshot_.viewModel().addFiles(*files);
}

void FileListView::dragEnterEvent(QDragEnterEvent* event) {
    dragMoveEvent(event);
}

void FileListView::dragMoveEvent(QDragMoveEvent* event) {
    if (dynamic_cast<const DraggedRows*>(event->mimeData()) != nullptr) {
        event->setDropAction(Qt::MoveAction);
        event->accept();
    } else if (event->mimeData()->hasUrls()) {
        acceptAsCopy(event);
    }
}

void FileListView::dropEvent(QDropEvent* event) {
    if (const auto* rows = dynamic_cast<const DraggedRows*>(event->mimeData())) {
        event->setDropAction(Qt::MoveAction);
        event->accept();
        dropRows(rows->ids(), event->position().toPoint());
        return;
    }
    if (!event->mimeData()->hasUrls()) return;
    acceptAsCopy(event);
    handleDrop(event->mimeData()->urls());
}

}  // namespace vellumix::ui
