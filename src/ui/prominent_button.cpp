#include "ui/prominent_button.h"

#include <QPainter>
#include <QPainterPath>
#include <QStyleOptionButton>
#include <algorithm>
#include <cmath>

#include "ui/palette_colors.h"
#include "ui/toolbar_button.h"

namespace vellumix::ui {

namespace {

constexpr qreal kRadius = 5;
constexpr int kPaddingX = 12;

}  // namespace

ProminentButton::ProminentButton(QWidget* parent) : QPushButton(parent) {
    setAttribute(Qt::WA_Hover);
}

QSize ProminentButton::sizeHint() const {
    QSize size = QPushButton::sizeHint();
    // Fractional text widths, rounded up, so that the text never needs eliding.
    const int content =
        static_cast<int>(
            std::ceil(QFontMetricsF(font()).size(Qt::TextShowMnemonic, text()).width())) +
        (icon().isNull() ? 0 : iconSize().width() + kIconTextGap);
    size.setWidth(std::max(size.width(), content + 2 * kPaddingX));
    return size;
}

QColor ProminentButton::textColor() const {
    return isEnabled() ? palette().color(QPalette::Active, QPalette::HighlightedText)
                       : palette().color(QPalette::Disabled, QPalette::ButtonText);
}

QColor ProminentButton::fillColor() const {
    if (!isEnabled()) return palette().color(QPalette::Disabled, QPalette::Button);
    const QColor accent =
        withContrast(palette().color(QPalette::Active, QPalette::Highlight), textColor(), 4.5);
    // Pressed and hovered shades stay as readable as the resting one.
    if (isDown()) return withContrast(accent.darker(118), textColor(), 4.5);
    if (underMouse()) return withContrast(accent.darker(107), textColor(), 4.5);
    return accent;
}

void ProminentButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const bool enabled = isEnabled();
    const QColor fill = fillColor();
    const QColor ink = textColor();

    const QRectF frame = QRectF(rect()).adjusted(1.5, 1.5, -1.5, -1.5);
    QPainterPath path;
    path.addRoundedRect(frame, kRadius, kRadius);
    painter.fillPath(path, fill);
    painter.setPen(QPen(enabled ? fill.darker(120) : withOpacity(ink, 0.35), 1));
    painter.drawPath(path);
    if (hasFocus()) {
        QPainterPath ring;
        ring.addRoundedRect(frame.adjusted(2, 2, -2, -2), kRadius - 2, kRadius - 2);
        painter.setPen(QPen(withOpacity(ink, 0.7), 1));
        painter.drawPath(ring);
    }

    // The icon and the text, centred together.
    const QFontMetricsF metrics(font());
    const QSize iconSize = icon().isNull() ? QSize() : this->iconSize();
    const int gap = icon().isNull() ? 0 : kIconTextGap;
    const int available = width() - 2 * kPaddingX - iconSize.width() - gap;
    const int mnemonic = mnemonicTextFlag(*this);
    const QString shown = fittedLabel(metrics, text(), std::max(0, available) + 0.5);
    const qreal contentWidth =
        iconSize.width() + gap + metrics.size(Qt::TextShowMnemonic, shown).width();
    int x = static_cast<int>((width() - contentWidth) / 2);
    if (!icon().isNull()) {
        const QPixmap pixmap =
            icon().pixmap(iconSize, devicePixelRatioF(), enabled ? QIcon::Normal : QIcon::Disabled);
        painter.drawPixmap(x, (height() - iconSize.height()) / 2, pixmap);
        x += iconSize.width() + gap;
    }
    painter.setPen(ink);
    painter.drawText(QRect(x, 0, width() - x, height()), Qt::AlignVCenter | Qt::AlignLeft | mnemonic,
                     shown);
}

}  // namespace vellumix::ui
