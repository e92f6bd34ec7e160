// ProminentButton: the window's main action, a push button filled with the
// palette's accent (highlight) colour and labelled in its contrasting text
// colour; drawn the same way in every widget style and in light and dark
// palettes. Disabled, it takes the palette's disabled button look. Where the
// accent is too light for its text to read (contrast under 4.5), the fill is
// taken darker, as little as needed. With the keyboard focus it shows a ring
// inside its edge.
#pragma once

#include <QPushButton>

namespace vellumix::ui {

class ProminentButton : public QPushButton {
    Q_OBJECT

public:
    explicit ProminentButton(QWidget* parent = nullptr);

    QSize sizeHint() const override;

    // The colours it is drawn in now: the fill behind the text, and the text.
    QColor fillColor() const;
    QColor textColor() const;

protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace vellumix::ui
