// A file name as the table draws it: the control characters a name may hold
// (a line feed, a tab, ...) made into visible symbols, so that "line1\nline2"
// shows whole and two names that differ only there can be told apart.
//
// With ControlSymbols::pictures, a C0 control (U+0000 to U+001F) becomes its
// Control Picture (U+2400 plus the code: a tab "␉", a line feed "␊") and DEL
// (U+007F) becomes "␡". A C1 control (U+0080 to U+009F), which has no picture,
// and with ControlSymbols::escapes every control, is written as its escape
// ("\u0085", "\u000a"). Every other character stays as it is. For display
// only: the name itself is never changed. Pure; any thread.
//
// Example: withVisibleControls("a\tb.txt", ControlSymbols::pictures) == "a␉b.txt".
#pragma once

#include <QString>

namespace vellumix::ui {

// How C0 controls and DEL are drawn: as pictures where the fonts have them,
// else as escapes (a font without them would draw each as the same box).
enum class ControlSymbols { pictures, escapes };

QString withVisibleControls(const QString& text, ControlSymbols symbols);

}  // namespace vellumix::ui
