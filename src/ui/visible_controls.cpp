#include "ui/visible_controls.h"

#include <algorithm>

namespace vellumix::ui {
namespace {

constexpr char16_t kControlPictures = 0x2400;
constexpr char16_t kDeletePicture = 0x2421;

// Unicode's general category Cc: exactly the C0 controls, DEL and the C1 controls.
bool isControl(QChar c) {
    return c.category() == QChar::Other_Control;
}

}  // namespace

QString withVisibleControls(const QString& text, ControlSymbols symbols) {
    if (std::none_of(text.begin(), text.end(), isControl)) return text;
    const bool pictures = symbols == ControlSymbols::pictures;
    QString shown;
    shown.reserve(text.size());
    for (const QChar c : text) {
        const char16_t code = c.unicode();
        if (!isControl(c)) {
            shown += c;
        } else if (pictures && code < 0x20) {
            shown += QChar(kControlPictures + code);
        } else if (pictures && code == 0x7F) {
            shown += QChar(kDeletePicture);
        } else {
            shown += QStringLiteral("\\u%1").arg(int(code), 4, 16, QLatin1Char('0'));
        }
    }
    return shown;
}

}  // namespace vellumix::ui
