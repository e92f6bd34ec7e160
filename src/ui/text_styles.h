// Text styles of the interface (title-2, title-3, body, callout, caption,
// caption-2) as fonts sized relative to the application font, and a label that
// shows its text in a style and a semantic colour and keeps that colour when the
// palette changes (light to dark). UI thread only.
#pragma once

#include <QFont>
#include <QLabel>
#include <variant>

#include "ui/palette_colors.h"

namespace vellumix::ui {

enum class TextStyle { title2, title3, body, callout, caption, caption2 };

// `base` (normally the application font) resized for `style`, with `weight`.
QFont styledFont(const QFont& base, TextStyle style, QFont::Weight weight = QFont::Normal);

// The application font in `style` with `weight`.
QFont styledFont(TextStyle style, QFont::Weight weight = QFont::Normal);

// A QLabel in a text style, a weight and a colour: a foreground level or a system
// colour of the palette its parent uses.
class StyledLabel : public QLabel {
public:
    using Tone = std::variant<Foreground, SystemColor>;

    StyledLabel(const QString& text, TextStyle style, QFont::Weight weight, Tone tone,
                QWidget* parent = nullptr);

protected:
    void changeEvent(QEvent* event) override;

private:
    void applyFont();
    void applyTone();

    TextStyle style_;
    QFont::Weight weight_;
    Tone tone_;
};

}  // namespace vellumix::ui
