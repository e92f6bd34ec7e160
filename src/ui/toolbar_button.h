// ToolbarButton: a push button of the toolbar row, drawn by the widget style
// except for its label, whose icon stands kIconTextGap before its text. (Qt's
// push buttons reserve that gap in their size but, in some styles, draw the
// text right against the icon.) A "&" in the text marks its mnemonic, as on
// any push button. UI thread only.
#pragma once

#include <QFontMetricsF>
#include <QPushButton>

namespace vellumix::ui {

// The gap between a button's icon and its text: the one Qt's push buttons
// reserve for it, and the one the desktop's own buttons show.
inline constexpr int kIconTextGap = 4;

// How a button's label draws its mnemonic ("&Add Files"): underlined where the
// style underlines shortcuts, hidden where it shows them only on demand.
[[nodiscard]] int mnemonicTextFlag(const QWidget& button);

// A button's `text` as a label `width` wide shows it: whole where it fits, its
// mnemonic measured as drawn (one letter, not "&" and a letter), else elided.
[[nodiscard]] QString fittedLabel(const QFontMetricsF& metrics, const QString& text, qreal width);

class ToolbarButton : public QPushButton {
    Q_OBJECT

public:
    explicit ToolbarButton(const QString& text, QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace vellumix::ui
