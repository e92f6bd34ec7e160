// ToolbarButton: a push button of the toolbar row, drawn by the widget style
// except for its label, whose icon stands kIconTextGap before its text. (Qt's
// push buttons reserve that gap in their size but, in some styles, draw the
// text right against the icon.) UI thread only.
#pragma once

#include <QPushButton>

namespace vellumix::ui {

// The gap between a button's icon and its text: the one Qt's push buttons
// reserve for it, and the one the desktop's own buttons show.
inline constexpr int kIconTextGap = 4;

class ToolbarButton : public QPushButton {
    Q_OBJECT

public:
    explicit ToolbarButton(const QString& text, QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace vellumix::ui
