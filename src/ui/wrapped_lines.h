// Text broken into lines of a given width, as Qt's text views break it:
// between words where it can be, anywhere else where it must.
#pragma once

#include <QFont>
#include <QString>
#include <QTextLayout>

namespace vellumix::ui {

// Calls `visit` with each line (a QTextLine) of `text` set in `font` and
// wrapped to `width` pixels.
template <class Visit>
void forEachWrappedLine(const QString& text, const QFont& font, qreal width, Visit&& visit) {
    QTextLayout layout(text, font);
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(option);
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width);
        visit(line);
    }
    layout.endLayout();
}

}  // namespace vellumix::ui
