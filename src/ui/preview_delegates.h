// Delegates of the preview table.
//
// NameCellDelegate: a name cell (icon and text on one line, elided in the
// middle when too long, so that the end and the extension stay visible) set
// in from the row's edges so that it lines up with the header text.
// StatusBadgeDelegate: the status column: a green "Renamed" capsule, a red
// "Error" capsule, a plain secondary "Same", or nothing for pending items; a
// marked row (see PreviewTableModel::MarkRole) shows its mark instead, in a
// red capsule for a file that will not be renamed ("Will fail") and an amber
// one for a warning.
// Both paint from the cell's palette, so they follow light and dark palettes,
// and together draw the keyboard focus as a frame around the current row.
#pragma once

#include <QColor>
#include <QPalette>
#include <QStyledItemDelegate>

#include "model/file_item.h"
#include "ui/palette_colors.h"
#include "viewmodel/preview_marks.h"

namespace vellumix::ui {

// Where the content of a name cell, and the header text above it, begins.
inline constexpr int kNameCellInset = 12;

// The colours of a status badge: its text, and the fill of its capsule
// (transparent for "Same", which has none; both invalid for pending items).
struct BadgeColors {
    QColor text;
    QColor fill;
};
BadgeColors statusBadgeColors(const QPalette& palette, FileItem::Status status, bool selected);
// A capsule in `tone`: its text in the tone on a faint fill of it, or on a
// shade of the selection colour while the row is selected.
BadgeColors capsuleColors(const QPalette& palette, SystemColor tone, bool selected);
// The tone of a mark's capsule and new name: red for a file that will not be
// renamed, amber for a warning.
inline SystemColor markTone(PreviewMarks::Mark mark) {
    return PreviewMarks::isError(mark) ? SystemColor::red : SystemColor::amber;
}

class NameCellDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override;
};

class StatusBadgeDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
};

}  // namespace vellumix::ui
