#include "viewmodel/result_text.h"

namespace vellumix::detail {

std::string renameResultText(const RenameResult& result) {
    // std::to_string never groups digits and ignores the locale.
    std::string text = "\u2705 " + std::to_string(result.success);
    if (result.errors.empty()) return text + " file(s) renamed successfully.";
    text += " renamed.\n\u274C " + std::to_string(result.errors.size()) + " error(s):\n";
    bool first = true;
    for (const auto& [name, reason] : result.errors) {
        if (!first) text += '\n';
        first = false;
        text += "\u2022 ";
        text += name;
        text += ": ";
        text += reason;
    }
    return text;
}

}  // namespace vellumix::detail
