#include "ui/drop_zone.h"

#include <QEvent>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QVBoxLayout>

#include "ui/accessibility.h"
#include "ui/palette_colors.h"
#include "ui/symbol_icons.h"
#include "ui/text_styles.h"

namespace vellumix::ui {

namespace {

constexpr int kSymbolSize = 48;
constexpr int kSpacing = 12;
constexpr double kTintOpacity = 0.4;
// The dashed border: set in from the edges, its corner radius and its line.
constexpr qreal kBorderInset = 8;
constexpr qreal kBorderRadius = 12;
constexpr qreal kBorderWidth = 2;
constexpr qreal kDashLength = 8;

}  // namespace

DropZone::DropZone(QWidget* parent) : QWidget(parent) {
    symbol_ = new QLabel(this);
    symbol_->setAlignment(Qt::AlignCenter);
    title_ = new StyledLabel(tr("Drop files or folders here"), TextStyle::title3, QFont::Normal,
                             Foreground::secondary, this);
    caption_ = new StyledLabel(tr("or use the Add Files / Add Folder buttons"), TextStyle::caption,
                               QFont::Normal, Foreground::tertiary, this);
    for (QLabel* label : {static_cast<QLabel*>(title_), static_cast<QLabel*>(caption_)}) {
        label->setAlignment(Qt::AlignCenter);
        label->setWordWrap(true);
    }

    describe(*this, title_->text(), caption_->text());

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 24, 24, 24);
    layout->setSpacing(kSpacing);
    layout->addStretch(1);
    layout->addWidget(symbol_);
    layout->addWidget(title_);
    layout->addWidget(caption_);
    layout->addStretch(1);
    applySymbol();
}

void DropZone::applySymbol() {
    const QColor color = foreground(palette(), Foreground::tertiary);
    symbol_->setPixmap(tintedSymbolIcon("arrow.down.doc.fill", color)
                           .pixmap(QSize(kSymbolSize, kSymbolSize), devicePixelRatioF()));
}

void DropZone::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::PaletteChange) applySymbol();
}

void DropZone::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(rect(),
                     withOpacity(foreground(palette(), Foreground::quaternary), kTintOpacity));

    // The stroke stays inside the rounded rectangle: its outline is drawn
    // half a line width further in.
    const qreal half = kBorderWidth / 2;
    const QRectF border = QRectF(rect()).adjusted(kBorderInset + half, kBorderInset + half,
                                                  -kBorderInset - half, -kBorderInset - half);
    if (border.width() <= 0 || border.height() <= 0) return;
    QPainterPath path;
    path.addRoundedRect(border, kBorderRadius - half, kBorderRadius - half);

    QPen pen(foreground(palette(), Foreground::tertiary), kBorderWidth);
    // Dash lengths of a QPen count in line widths.
    pen.setDashPattern({kDashLength / kBorderWidth, kDashLength / kBorderWidth});
    pen.setDashOffset(0);
    pen.setCapStyle(Qt::FlatCap);
    pen.setJoinStyle(Qt::MiterJoin);
    pen.setMiterLimit(10);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(path);
}

}  // namespace vellumix::ui
