// FileListView: the main column's list of files under the toolbar row.
//
// The header row (the table's own header, always shown) over either the drop
// zone, while the view model holds no file, or the preview table: one row per
// file with its icon and name, its new name and a status badge. The table reads
// the preview snapshot (see ViewModelSnapshot), never the engine.
//
// The whole view accepts dropped file URLs: each local URL on its own, as one
// addFiles call with what its path adds (viewmodel/dropped_paths.h: a file, or
// a folder's visible files). Other URLs are ignored silently. Delete or Backspace, or "Remove
// from List" in the context menu, removes the selected rows from the view
// model in one edit and selects the row that took their place. The rows'
// marks (renames that will fail, see ViewModelSnapshot::marks) follow the
// foresight as it comes in. A click on the Original Name title sorts the
// list by name, again the other way; the title shows the order while the list
// is sorted by name. The selected rows move up or down by one (Alt+Up and
// Alt+Down from the Edit menu) and stay selected; dragged, they go where they
// are dropped, before the row under the pointer (after it in its lower half).
//
// Observes the view model without owning it. UI thread only.
#pragma once

#include <QList>
#include <QUrl>
#include <QWidget>
#include <optional>
#include <string>
#include <vector>

#include "model/uuid.h"

class QTableView;

namespace vellumix::ui {

class DropZone;
class PreviewTableModel;
class ViewModelSnapshot;

class FileListView : public QWidget {
    Q_OBJECT

public:
    explicit FileListView(ViewModelSnapshot& snapshot, QWidget* parent = nullptr);

    QTableView* table() const { return table_; }
    PreviewTableModel* model() const { return model_; }
    DropZone* dropZone() const { return dropZone_; }

    // Hands dropped URLs to the view model, each on its own, in order.
    void handleDrop(const QList<QUrl>& urls);
    // Hands local paths (absolute, as bytes) to the view model like dropped items.
    void addPaths(const std::vector<std::string>& paths);
    // Removes the selected rows from the view model (one edit) and shows the
    // result at once, the current row kept in place; none selected: nothing.
    void removeSelectedRows();
    // Selects the next (or previous) marked row after (before) the current one,
    // around the end, and scrolls to it: a rename that will fail, a file that
    // will be skipped, a new name with a warning. None marked: nothing.
    void stepToMarkedRow(bool forward);
    // Moves the selected rows together one place up (down) from the first
    // (last) of them, keeping them selected; none selected, or already at
    // the top (bottom): nothing.
    void moveSelectedRows(bool up);
    // Sorts by name; again the other way when the list is sorted by name ascending.
    void sortByName();

    // The path of a local file URL as the bytes the file system knows it by,
    // or nothing for a URL that names no local file.
    static std::optional<std::string> localPath(const QUrl& url);

protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void addPath(const std::string& path);
    void refresh();
    void applyColors();
    void placeDropZone();
    void showContextMenu(const QPoint& position);
    // Puts the rows of `ids`, dragged, where the pointer let them go.
    void dropRows(const std::vector<Uuid>& ids, const QPoint& at);
    // The ids of the selected rows, in the order shown.
    std::vector<Uuid> selectedIds() const;
    void selectIds(const std::vector<Uuid>& ids);

    ViewModelSnapshot& snapshot_;
    QTableView* table_;
    PreviewTableModel* model_;
    DropZone* dropZone_;
};

}  // namespace vellumix::ui
