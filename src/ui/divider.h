// Divider: a thin horizontal separator line in a faint foreground colour that
// follows the palette.
#pragma once

#include <QWidget>

namespace vellumix::ui {

class Divider : public QWidget {
public:
    explicit Divider(QWidget* parent = nullptr);

    QSize sizeHint() const override { return {1, 1}; }

protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace vellumix::ui
