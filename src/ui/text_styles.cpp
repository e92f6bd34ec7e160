#include "ui/text_styles.h"

#include <QApplication>
#include <QEvent>
#include <algorithm>

namespace vellumix::ui {

namespace {

// Size of each style relative to body text, and the smallest size in points a
// style may take, so that captions stay legible with small application fonts.
struct StyleMetrics {
    double scale;
    double minimumPoints;
};

StyleMetrics metrics(TextStyle style) {
    switch (style) {
        case TextStyle::title2:
            return {1.3, 0};
        case TextStyle::title3:
            return {1.15, 0};
        case TextStyle::body:
            return {1.0, 0};
        case TextStyle::callout:
            return {0.93, 7.5};
        case TextStyle::caption:
            return {0.86, 7.5};
        case TextStyle::caption2:
            return {0.8, 7};
    }
    return {1.0, 0};
}

}  // namespace

QFont styledFont(const QFont& base, TextStyle style, QFont::Weight weight) {
    QFont font = base;
    const StyleMetrics m = metrics(style);
    if (base.pointSizeF() > 0) {
        font.setPointSizeF(std::max(base.pointSizeF() * m.scale, m.minimumPoints));
    } else if (base.pixelSize() > 0) {
        font.setPixelSize(std::max(1, static_cast<int>(base.pixelSize() * m.scale + 0.5)));
    }
    font.setWeight(weight);
    return font;
}

QFont styledFont(TextStyle style, QFont::Weight weight) {
    return styledFont(QApplication::font(), style, weight);
}

StyledLabel::StyledLabel(const QString& text, TextStyle style, QFont::Weight weight, Tone tone,
                         QWidget* parent)
    : QLabel(text, parent), style_(style), weight_(weight), tone_(tone) {
    setTextFormat(Qt::PlainText);
    applyFont();
    applyTone();
}

void StyledLabel::changeEvent(QEvent* event) {
    QLabel::changeEvent(event);
    switch (event->type()) {
        case QEvent::PaletteChange:
        case QEvent::ParentChange:
            applyTone();
            break;
        case QEvent::ApplicationFontChange:
            applyFont();
            break;
        default:
            break;
    }
}

void StyledLabel::applyFont() {
    setFont(styledFont(style_, weight_));
}

void StyledLabel::applyTone() {
    // The colours derive from the palette around the label, not from its own,
    // which holds the colour set here.
    const QPalette base = parentWidget() ? parentWidget()->palette() : QApplication::palette(this);
    const QColor color = std::holds_alternative<Foreground>(tone_)
                             ? foreground(base, std::get<Foreground>(tone_))
                             : systemColor(base, std::get<SystemColor>(tone_));
    setEnabledColor(*this, QPalette::WindowText, color);
}

}  // namespace vellumix::ui
