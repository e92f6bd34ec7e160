#include "ui/list_header.h"

#include <QEvent>
#include <QPainter>
#include <QStyleOptionHeader>

#include "ui/palette_colors.h"
#include "ui/preview_delegates.h"
#include "ui/text_styles.h"

namespace vellumix::ui {

namespace {

constexpr int kPaddingY = 8;
constexpr int kPaddingX = 12;

}  // namespace

ListHeader::ListHeader(QWidget* parent) : QHeaderView(Qt::Horizontal, parent) {
    setSectionsClickable(true);
    setHighlightSections(false);
    setSectionsMovable(false);
    setFont(styledFont(TextStyle::body, QFont::DemiBold));
    updateHeight();
}

QSize ListHeader::sizeHint() const {
    QSize size = QHeaderView::sizeHint();
    size.setHeight(fontMetrics().height() + 2 * kPaddingY + 1);
    return size;
}

void ListHeader::updateHeight() {
    setFixedHeight(sizeHint().height());
}

void ListHeader::changeEvent(QEvent* event) {
    QHeaderView::changeEvent(event);
    if (event->type() == QEvent::ApplicationFontChange) {
        setFont(styledFont(TextStyle::body, QFont::DemiBold));
    }
    if (event->type() == QEvent::FontChange) updateHeight();
}

void ListHeader::paintEvent(QPaintEvent* event) {
    {
        QPainter painter(viewport());
        const QRect band = viewport()->rect();
        painter.fillRect(band, palette().color(QPalette::Window));
        painter.fillRect(band, foreground(palette(), Foreground::quaternary));
        painter.fillRect(QRect(band.left(), band.bottom(), band.width(), 1),
                         withOpacity(palette().color(QPalette::WindowText), 0.16));
    }
    QHeaderView::paintEvent(event);
}

void ListHeader::paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const {
    if (!model() || !rect.isValid()) return;
    const QString text = model()->headerData(logicalIndex, orientation()).toString();
    const auto alignment = static_cast<Qt::Alignment>(
        model()->headerData(logicalIndex, orientation(), Qt::TextAlignmentRole).toInt());
    const bool centred = alignment & Qt::AlignHCenter;
    QRect textRect = rect.adjusted(0, 0, 0, -1);
    if (centred) {
        textRect.adjust(2, 0, -2, 0);
    } else {
        // The first title keeps the row's padding; the others line up with their cells.
        textRect.adjust(logicalIndex == 0 ? kPaddingX : kNameCellInset, 0, -4, 0);
    }
    painter->save();
    if (isSortIndicatorShown() && sortIndicatorSection() == logicalIndex) {
        // The platform's arrow at the title's end, as a plain header draws it.
        QStyleOptionHeader arrow;
        arrow.initFrom(this);
        const int size = fontMetrics().height() / 2 + 2;
        arrow.rect = QRect(textRect.right() - size, rect.center().y() - size / 2, size, size);
        arrow.sortIndicator = sortIndicatorOrder() == Qt::AscendingOrder
                                  ? QStyleOptionHeader::SortDown
                                  : QStyleOptionHeader::SortUp;
        style()->drawPrimitive(QStyle::PE_IndicatorHeaderArrow, &arrow, painter, this);
        textRect.setRight(arrow.rect.left() - 4);
    }
    painter->setFont(font());
    painter->setPen(palette().color(QPalette::WindowText));
    painter->drawText(textRect, (centred ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignVCenter,
                      fontMetrics().elidedText(text, Qt::ElideRight, textRect.width()));
    painter->restore();
}

}  // namespace vellumix::ui
