#include "ui/palette_colors.h"

#include <QWidget>
#include <algorithm>
#include <cmath>

namespace vellumix::ui {

namespace {

// Opacity of each foreground level over its background.
// Tertiary text (the drop zone's hint) keeps a contrast of 3 on light and
// dark backgrounds alike.
constexpr double kLevelOpacity[] = {1.0, 0.62, 0.5, 0.09};

// The relative luminance of an opaque colour (WCAG 2).
double luminance(const QColor& color) {
    const auto channel = [](float value) {
        const double c = value;
        return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    const QColor rgb = color.toRgb();
    return 0.2126 * channel(rgb.redF()) + 0.7152 * channel(rgb.greenF()) +
           0.0722 * channel(rgb.blueF());
}

}  // namespace

QColor foreground(const QPalette& palette, Foreground level, QPalette::ColorRole role) {
    return withOpacity(palette.color(role), kLevelOpacity[static_cast<int>(level)]);
}

QColor systemColor(const QPalette& palette, SystemColor color) {
    // Shades of the desktop's common blue, green, red and amber: the deeper ones on
    // light backgrounds, the lighter ones on dark backgrounds.
    const bool dark = isDark(palette);
    switch (color) {
        case SystemColor::blue:
            return dark ? QColor(0x78, 0xae, 0xed) : QColor(0x1c, 0x71, 0xd8);
        case SystemColor::green:
            return dark ? QColor(0x57, 0xe3, 0x89) : QColor(0x1f, 0x8a, 0x4c);
        case SystemColor::red:
            return dark ? QColor(0xff, 0x7b, 0x63) : QColor(0xc0, 0x1c, 0x28);
        case SystemColor::amber:
            return dark ? QColor(0xf5, 0xc2, 0x11) : QColor(0x9a, 0x67, 0x00);
    }
    return palette.color(QPalette::WindowText);
}

QColor cardBackground(const QPalette& palette) {
    if (!isDark(palette)) return palette.color(QPalette::Base);
    const QColor window = palette.color(QPalette::Window);
    const QColor text = palette.color(QPalette::WindowText);
    constexpr double kMix = 0.06;
    return QColor::fromRgbF(static_cast<float>(window.redF() * (1 - kMix) + text.redF() * kMix),
                            static_cast<float>(window.greenF() * (1 - kMix) + text.greenF() * kMix),
                            static_cast<float>(window.blueF() * (1 - kMix) + text.blueF() * kMix));
}

QColor withOpacity(QColor color, double opacity) {
    color.setAlphaF(static_cast<float>(color.alphaF() * opacity));
    return color;
}

bool isDark(const QPalette& palette) {
    return palette.color(QPalette::Window).lightness() < 128;
}

QColor composite(const QColor& color, const QColor& background) {
    const double a = color.alphaF();
    const QColor top = color.toRgb();
    const QColor bottom = background.toRgb();
    const auto mix = [a](float over, float under) {
        return static_cast<float>(over * a + under * (1 - a));
    };
    return QColor::fromRgbF(mix(top.redF(), bottom.redF()), mix(top.greenF(), bottom.greenF()),
                            mix(top.blueF(), bottom.blueF()));
}

double contrastRatio(const QColor& a, const QColor& b) {
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor withContrast(const QColor& background, const QColor& text, double minimum) {
    const bool darken = luminance(text) > luminance(background);
    QColor color = background.toHsl();
    // Lightness moves in small steps, so the colour keeps its hue and stays
    // as close to the palette's as the contrast allows.
    for (int step = 0; step < 100 && contrastRatio(color, text) < minimum; ++step) {
        const int lightness = color.lightness();
        const int next = std::clamp(lightness + (darken ? -4 : 4), 0, 255);
        if (next == lightness) break;
        color.setHsl(color.hslHue(), color.hslSaturation(), next, color.alpha());
    }
    return color.toRgb();
}

void setEnabledColor(QWidget& widget, QPalette::ColorRole role, const QColor& color) {
    QPalette palette = widget.palette();
    if (palette.color(QPalette::Active, role) == color &&
        palette.color(QPalette::Inactive, role) == color &&
        palette.isBrushSet(QPalette::Active, role))
        return;
    palette.setColor(QPalette::Active, role, color);
    palette.setColor(QPalette::Inactive, role, color);
    widget.setPalette(palette);
}

}  // namespace vellumix::ui
