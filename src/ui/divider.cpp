#include "ui/divider.h"

#include <QPainter>

#include "ui/palette_colors.h"

namespace vellumix::ui {

Divider::Divider(QWidget* parent) : QWidget(parent) {
    setFixedHeight(1);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

void Divider::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), withOpacity(palette().color(QPalette::WindowText), 0.16));
}

}  // namespace vellumix::ui
