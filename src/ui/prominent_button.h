// ProminentButton: the window's main action, a push button filled with the
// palette's accent (highlight) colour and labelled in its contrasting text
// colour; drawn the same way in every widget style and in light and dark
// palettes. Disabled, it takes the palette's disabled button look.
#pragma once

#include <QPushButton>

namespace vellumix::ui {

class ProminentButton : public QPushButton {
    Q_OBJECT

public:
    explicit ProminentButton(QWidget* parent = nullptr);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace vellumix::ui
