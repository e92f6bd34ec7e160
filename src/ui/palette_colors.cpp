#include "ui/palette_colors.h"

#include <QWidget>

namespace vellumix::ui {

namespace {

// Opacity of each foreground level over its background.
constexpr double kLevelOpacity[] = {1.0, 0.62, 0.42, 0.09};

}  // namespace

QColor foreground(const QPalette& palette, Foreground level, QPalette::ColorRole role) {
    return withOpacity(palette.color(role), kLevelOpacity[static_cast<int>(level)]);
}

QColor systemColor(const QPalette& palette, SystemColor color) {
    // Shades of the desktop's common blue, green and red: the deeper ones on
    // light backgrounds, the lighter ones on dark backgrounds.
    const bool dark = isDark(palette);
    switch (color) {
        case SystemColor::blue:
            return dark ? QColor(0x78, 0xae, 0xed) : QColor(0x1c, 0x71, 0xd8);
        case SystemColor::green:
            return dark ? QColor(0x57, 0xe3, 0x89) : QColor(0x1f, 0x8a, 0x4c);
        case SystemColor::red:
            return dark ? QColor(0xff, 0x7b, 0x63) : QColor(0xc0, 0x1c, 0x28);
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
