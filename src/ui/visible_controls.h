// A file name as the table draws it: the control characters a name may hold
// (a line feed, a tab, ...) made into visible symbols, so that "line1\nline2"
// shows whole and two names that differ only there can be told apart.
//
// C0 controls (U+0000 to U+001F) become their Control Pictures (U+2400 plus the
// code: a tab is "␉", a line feed "␊"), DEL (U+007F) becomes "␡", and a C1
// control (U+0080 to U+009F), which has no picture, is written as its escape
// ("\u0085"). Every other character stays as it is. For display only: the
// name itself is never changed. Pure; any thread.
//
// Example: withVisibleControls("a\tb.txt") == "a␉b.txt".
#pragma once

#include <QString>

namespace vellumix::ui {

QString withVisibleControls(const QString& text);

}  // namespace vellumix::ui
