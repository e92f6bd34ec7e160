// StatBadge: one statistic of the side column: a value in bold title-3 text in
// the badge's colour over a caption-2 label in the secondary colour, centred,
// padded on a rounded, faint fill of the badge's colour. It grows to any width
// so that badges in a row share it equally. Assistive technology reads it as
// one piece, value then label ("3 total").
#pragma once

#include <QWidget>
#include <cstdint>
#include <variant>

#include "ui/palette_colors.h"
#include "ui/text_styles.h"

namespace vellumix::ui {

class StatBadge : public QWidget {
    Q_OBJECT

public:
    // The label is shown verbatim; `tone` colours the value and the fill.
    StatBadge(const QString& label, StyledLabel::Tone tone, QWidget* parent = nullptr);

    // Shows `value` in plain decimal digits, without grouping.
    void setValue(std::int64_t value);
    QString valueText() const;
    QString labelText() const;
    StyledLabel* valueLabel() const { return value_; }
    StyledLabel* captionLabel() const { return label_; }
    // The tint behind the texts: the badge's colour at 8 % opacity.
    QColor fillColor() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    StyledLabel::Tone tone_;
    StyledLabel* value_;
    StyledLabel* label_;
};

}  // namespace vellumix::ui
