#include "ui/stat_badge.h"

#include <QPainter>
#include <QPainterPath>
#include <QVBoxLayout>

namespace vellumix::ui {

namespace {

constexpr int kPadding = 8;
constexpr qreal kRadius = 8;
constexpr double kFillOpacity = 0.08;

}  // namespace

StatBadge::StatBadge(const QString& label, StyledLabel::Tone tone, QWidget* parent)
    : QWidget(parent), tone_(tone) {
    value_ = new StyledLabel(QStringLiteral("0"), TextStyle::title3, QFont::Bold, tone, this);
    label_ =
        new StyledLabel(label, TextStyle::caption2, QFont::Normal, Foreground::secondary, this);
    value_->setAlignment(Qt::AlignCenter);
    label_->setAlignment(Qt::AlignCenter);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(kPadding, kPadding, kPadding, kPadding);
    layout->setSpacing(2);
    layout->addWidget(value_);
    layout->addWidget(label_);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    setValue(0);
}

void StatBadge::setValue(std::int64_t value) {
    value_->setText(QString::number(value));
    // Read out as one piece, the way it is seen: "3 total".
    setAccessibleName(value_->text() + QLatin1Char(' ') + label_->text());
}

QString StatBadge::valueText() const {
    return value_->text();
}

QString StatBadge::labelText() const {
    return label_->text();
}

QColor StatBadge::fillColor() const {
    const QColor color = std::holds_alternative<Foreground>(tone_)
                             ? foreground(palette(), std::get<Foreground>(tone_))
                             : systemColor(palette(), std::get<SystemColor>(tone_));
    return withOpacity(color, kFillOpacity);
}

void StatBadge::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath path;
    path.addRoundedRect(QRectF(rect()), kRadius, kRadius);
    painter.fillPath(path, fillColor());
}

}  // namespace vellumix::ui
