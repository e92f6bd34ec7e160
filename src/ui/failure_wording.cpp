#include "ui/failure_wording.h"

#include <QCoreApplication>
#include <string>

#include "engine/failure_text.h"

namespace vellumix::ui {
namespace {

// The engine's English template in the installed language. The templates are
// marked for translation where they are written (engine/failure_text.cpp).
// QCoreApplication::translate is thread-safe.
std::string translatedTemplate(const char* englishTemplate) {
    return QCoreApplication::translate("FailureText", englishTemplate).toStdString();
}

}  // namespace

void installFailureWording() {
    setFailureTranslation(&translatedTemplate);
}

}  // namespace vellumix::ui
