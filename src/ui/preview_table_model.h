// PreviewTableModel: the file list's table, a thin model over one preview
// snapshot (the items of ViewModelSnapshot::preview()).
//
// Columns: the original name (with the file's icon), the new name ("—" when
// empty; primary colour when changed, secondary otherwise) and the status.
// Both names show their control characters as visible symbols
// (withVisibleControls: pictures where the fonts have them, else escapes);
// their tooltips show them exactly as they are.
// The marks of the rows (viewmodel/preview_marks.h) come with the foresight,
// apart from the items: a marked row's status shows its mark ("Will fail"),
// its new name is drawn in the error or the warning colour, and both cells
// say why in their tooltip.
// Rows keep their identity by item id: a new snapshot with the same ids in the
// same order (a configuration edit) only changes data, so selection and scroll
// position survive; appended items are inserted; anything else resets. Each
// cell also answers Qt::AccessibleTextRole with what a screen reader should say
// (the status in words, although a delegate draws it as a badge). Every
// role is answered in constant time per cell. UI thread only.
#pragma once

#include <QAbstractTableModel>
#include <QColor>
#include <memory>
#include <vector>

#include <QMimeData>
#include <utility>

#include "model/file_item.h"
#include "viewmodel/preview_marks.h"

namespace vellumix::ui {

// The rows dragged within the list: the ids of their items, in the order shown.
class DraggedRows : public QMimeData {
public:
    static constexpr auto kFormat = "application/x-vellumix-rows";
    explicit DraggedRows(std::vector<Uuid> ids) : ids_(std::move(ids)) {
        setData(QLatin1String(kFormat), {});
    }
    const std::vector<Uuid>& ids() const { return ids_; }

private:
    std::vector<Uuid> ids_;
};

class PreviewTableModel : public QAbstractTableModel {
    Q_OBJECT

public:
    enum Column { originalNameColumn, newNameColumn, statusColumn, columnTotal };
    // The FileItem::Status of a row, as an int, on any column.
    static constexpr int StatusRole = Qt::UserRole + 1;
    // The PreviewMarks::Mark of a row, as an int, on any column.
    static constexpr int MarkRole = Qt::UserRole + 2;

    explicit PreviewTableModel(QObject* parent = nullptr);

    // Shows `items` (null means none).
    void setItems(std::shared_ptr<const std::vector<FileItem>> items);
    const std::vector<FileItem>& items() const { return *items_; }

    // Shows `marks` (null means none) for the items shown.
    void setMarks(std::shared_ptr<const PreviewMarks> marks);
    const PreviewMarks& marks() const { return *marks_; }

    // Colours of the new name: for changed items and for all others.
    void setTextColors(const QColor& primary, const QColor& secondary);
    // Colours of the new name of marked rows: errors and warnings.
    void setMarkColors(const QColor& error, const QColor& warning);

    // The mark of `row` (none while the marks are of another list), and why.
    PreviewMarks::Mark markAt(int row) const;
    QString reasonAt(int row) const;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    // Rows can be dragged, to be put elsewhere in the list (see DraggedRows).
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QStringList mimeTypes() const override;
    QMimeData* mimeData(const QModelIndexList& indexes) const override;

    // The text shown for `status` in the status column ("" for pending).
    static QString statusText(FileItem::Status status);

private:
    std::shared_ptr<const std::vector<FileItem>> items_;
    std::shared_ptr<const PreviewMarks> marks_;
    QColor primary_;
    QColor secondary_;
    QColor error_;
    QColor warning_;
};

}  // namespace vellumix::ui
