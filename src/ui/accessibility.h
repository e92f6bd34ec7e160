// What assistive technology (screen readers, voice control) is told about the
// window's controls. UI thread only.
#pragma once

#include <QString>
#include <QWidget>

namespace vellumix::ui {

// Sets `widget`'s accessible name (what it is called: the text a sighted user
// reads on or beside it) and description (what it does).
inline void describe(QWidget& widget, const QString& name, const QString& description) {
    widget.setAccessibleName(name);
    widget.setAccessibleDescription(description);
}

}  // namespace vellumix::ui
