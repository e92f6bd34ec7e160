// Delegates of the preview table.
//
// NameCellDelegate: a name cell (icon and text on one line, elided when too
// long) set in from the row's edges so that it lines up with the header text.
// StatusBadgeDelegate: the status column: a green "Renamed" capsule, a red
// "Error" capsule, a plain secondary "Same", or nothing for pending items.
// Both paint from the cell's palette, so they follow light and dark palettes.
#pragma once

#include <QStyledItemDelegate>

namespace vellumix::ui {

// Where the content of a name cell, and the header text above it, begins.
inline constexpr int kNameCellInset = 12;

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
