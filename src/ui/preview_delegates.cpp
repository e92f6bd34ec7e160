#include "ui/preview_delegates.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>

#include "model/file_item.h"
#include "ui/mark_texts.h"
#include "ui/palette_colors.h"
#include "ui/preview_table_model.h"
#include "ui/text_styles.h"

namespace vellumix::ui {

namespace {

QStyle* styleOf(const QStyleOptionViewItem& option) {
    return option.widget ? option.widget->style() : QApplication::style();
}

// Padding of a capsule around its text, and the opacity of its fill.
constexpr int kCapsulePaddingX = 6;
constexpr int kCapsulePaddingY = 2;
constexpr double kCapsuleFillOpacity = 0.15;
constexpr double kSelectedCapsuleShade = 0.22;
constexpr qreal kFocusLineWidth = 2;

// The keyboard focus: while the table has it, a frame around the whole current
// row, each cell drawing its part (the cells draw no focus frame of their own).
void paintRowFocus(QPainter* painter, const QStyleOptionViewItem& option,
                   const QModelIndex& index) {
    const auto* view = qobject_cast<const QAbstractItemView*>(option.widget);
    if (!view || !view->hasFocus() || view->currentIndex().row() != index.row()) return;
    const bool selected = option.state & QStyle::State_Selected;
    const QColor color = selected ? option.palette.color(QPalette::HighlightedText)
                                  : option.palette.color(QPalette::Highlight);
    // Lines along the inside of the cell's edges: top and bottom in every
    // cell, the sides in the first and the last column.
    const QRectF cell = QRectF(option.rect);
    const qreal half = kFocusLineWidth / 2;
    const qreal top = cell.top() + half;
    const qreal bottom = cell.top() + cell.height() - half;
    const qreal left = cell.left();
    const qreal right = cell.left() + cell.width();

    painter->save();
    painter->setRenderHint(QPainter::Antialiasing, false);
    QPen pen(selected ? withOpacity(color, 0.8) : color, kFocusLineWidth);
    pen.setCapStyle(Qt::FlatCap);
    painter->setPen(pen);
    painter->drawLine(QPointF(left, top), QPointF(right, top));
    painter->drawLine(QPointF(left, bottom), QPointF(right, bottom));
    if (index.column() == 0)
        painter->drawLine(QPointF(left + half, top), QPointF(left + half, bottom));
    if (index.column() == index.model()->columnCount(index.parent()) - 1)
        painter->drawLine(QPointF(right - half, top), QPointF(right - half, bottom));
    painter->restore();
}

}  // namespace

BadgeColors capsuleColors(const QPalette& palette, SystemColor tone, bool selected) {
    const QColor color = systemColor(palette, tone);
    if (!selected) return {color, withOpacity(color, kCapsuleFillOpacity)};
    // On the selection colour the capsule is a shade that sets its text off
    // more, never less, than the row's own text: darker under light text.
    const QColor selectedText = palette.color(QPalette::HighlightedText);
    const QColor shade = selectedText.lightness() > 128 ? QColor(Qt::black) : QColor(Qt::white);
    return {selectedText, withOpacity(shade, kSelectedCapsuleShade)};
}

BadgeColors statusBadgeColors(const QPalette& palette, FileItem::Status status, bool selected) {
    switch (status) {
        case FileItem::Status::pending:
            return {};
        case FileItem::Status::unchanged:
            return {selected ? palette.color(QPalette::HighlightedText)
                             : foreground(palette, Foreground::secondary, QPalette::Text),
                    QColor(Qt::transparent)};
        case FileItem::Status::changed:
            return capsuleColors(palette, SystemColor::green, selected);
        case FileItem::Status::error:
            break;
    }
    return capsuleColors(palette, SystemColor::red, selected);
}

void NameCellDelegate::initStyleOption(QStyleOptionViewItem* option,
                                       const QModelIndex& index) const {
    QStyledItemDelegate::initStyleOption(option, index);
    option->state &= ~QStyle::State_HasFocus;
    // Long names share their beginning ("Summer holiday in the mountains…");
    // what tells them apart is at their end, with the extension.
    option->textElideMode = Qt::ElideMiddle;
}

void NameCellDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                             const QModelIndex& index) const {
    QStyleOptionViewItem opt = option;
    initStyleOption(&opt, index);
    QStyle* style = styleOf(opt);
    // The row's background across the whole cell, then the content set in.
    style->drawPrimitive(QStyle::PE_PanelItemViewItem, &opt, painter, opt.widget);
    // The style adds its own margin before the icon and the text.
    const int styleMargin = style->pixelMetric(QStyle::PM_FocusFrameHMargin, &opt, opt.widget) + 1;
    const QRect cell = opt.rect;
    opt.rect.adjust(std::max(0, kNameCellInset - styleMargin), 0, -4, 0);
    style->drawControl(QStyle::CE_ItemViewItem, &opt, painter, opt.widget);
    opt.rect = cell;
    paintRowFocus(painter, opt, index);
}

void StatusBadgeDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                                const QModelIndex& index) const {
    QStyleOptionViewItem opt = option;
    initStyleOption(&opt, index);
    opt.state &= ~QStyle::State_HasFocus;
    opt.text.clear();
    styleOf(opt)->drawControl(QStyle::CE_ItemViewItem, &opt, painter, opt.widget);
    paintRowFocus(painter, opt, index);

    const auto status =
        static_cast<FileItem::Status>(index.data(PreviewTableModel::StatusRole).toInt());
    const auto mark =
        static_cast<PreviewMarks::Mark>(index.data(PreviewTableModel::MarkRole).toInt());
    if (status == FileItem::Status::pending) return;
    const bool selected = opt.state & QStyle::State_Selected;
    const QPalette& palette = opt.palette;

    // A marked row's capsule tells its mark instead of its status.
    const bool marked = mark != PreviewMarks::Mark::none;
    const QString text = marked ? MarkTexts::badge(mark) : PreviewTableModel::statusText(status);
    const BadgeColors colors =
        marked ? capsuleColors(palette, markTone(mark), selected)
               : statusBadgeColors(palette, status, selected);

    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    if (!marked && status == FileItem::Status::unchanged) {
        painter->setFont(styledFont(opt.font, TextStyle::caption2));
        painter->setPen(colors.text);
        const QString shown =
            painter->fontMetrics().elidedText(text, Qt::ElideRight, opt.rect.width());
        painter->drawText(opt.rect, Qt::AlignCenter, shown);
        painter->restore();
        return;
    }

    const QFont font = styledFont(opt.font, TextStyle::caption2, QFont::DemiBold);
    const QFontMetrics metrics(font);
    const int maxTextWidth = std::max(0, opt.rect.width() - 2 * kCapsulePaddingX - 4);
    const QString shown = metrics.elidedText(text, Qt::ElideRight, maxTextWidth);
    const QSize size(metrics.horizontalAdvance(shown) + 2 * kCapsulePaddingX,
                     metrics.height() + 2 * kCapsulePaddingY);
    QRectF capsule(QPointF(0, 0), QSizeF(size));
    capsule.moveCenter(QRectF(opt.rect).center());

    QPainterPath path;
    path.addRoundedRect(capsule, capsule.height() / 2, capsule.height() / 2);
    painter->fillPath(path, colors.fill);
    painter->setFont(font);
    painter->setPen(colors.text);
    painter->drawText(capsule, Qt::AlignCenter, shown);
    painter->restore();
}

}  // namespace vellumix::ui
