#include "ui/toolbar_button.h"

#include <QStyleOptionButton>
#include <QStyle>
#include <QStylePainter>
#include <algorithm>

namespace vellumix::ui {

int mnemonicTextFlag(const QWidget& button) {
    return button.style()->styleHint(QStyle::SH_UnderlineShortcut, nullptr, &button)
               ? Qt::TextShowMnemonic
               : Qt::TextHideMnemonic;
}

QString fittedLabel(const QFontMetricsF& metrics, const QString& text, qreal width) {
    // Qt's eliding counts a mnemonic's "&" as a character: only a label too
    // long for the room is given to it.
    if (metrics.size(Qt::TextShowMnemonic, text).width() <= width) return text;
    return metrics.elidedText(text, Qt::ElideRight, width, Qt::TextShowMnemonic);
}

ToolbarButton::ToolbarButton(const QString& text, QWidget* parent) : QPushButton(text, parent) {}

void ToolbarButton::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    const QIcon icon = option.icon;
    const QString text = option.text;
    // The style's bevel and focus frame, without a label.
    option.icon = QIcon();
    option.text.clear();
    painter.drawControl(QStyle::CE_PushButton, option);

    // The icon and the text centred together, as a pressed style shifts them.
    QRect content = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
    if (option.state & (QStyle::State_Sunken | QStyle::State_On)) {
        content.translate(style()->pixelMetric(QStyle::PM_ButtonShiftHorizontal, &option, this),
                          style()->pixelMetric(QStyle::PM_ButtonShiftVertical, &option, this));
    }
    const QSize glyph = icon.isNull() ? QSize(0, 0) : iconSize();
    const int gap = icon.isNull() ? 0 : kIconTextGap;
    const int mnemonic = mnemonicTextFlag(*this);
    const int textWidth = option.fontMetrics.size(mnemonic, text).width();
    const int left =
        content.left() + std::max(0, (content.width() - glyph.width() - gap - textWidth) / 2);
    const QRect iconRect(left, content.top() + (content.height() - glyph.height()) / 2,
                         glyph.width(), glyph.height());
    const QRect textRect(iconRect.right() + 1 + gap, content.top(),
                         content.right() - iconRect.right() - gap, content.height());
    if (!icon.isNull()) {
        const QPixmap pixmap =
            icon.pixmap(glyph, devicePixelRatioF(), isEnabled() ? QIcon::Normal : QIcon::Disabled);
        painter.drawItemPixmap(QStyle::visualRect(layoutDirection(), content, iconRect),
                               Qt::AlignCenter, pixmap);
    }
    const QString shown = fittedLabel(QFontMetricsF(font()), text, textRect.width() + 0.5);
    painter.drawItemText(QStyle::visualRect(layoutDirection(), content, textRect),
                         Qt::AlignVCenter | Qt::AlignLeading | mnemonic, option.palette,
                         isEnabled(), shown, QPalette::ButtonText);
}

}  // namespace vellumix::ui
