#include "viewmodel/result_report.h"

namespace vellumix {

std::string ResultReport::message() const {
    std::string text = summary;
    if (failureHeading.empty()) return text;
    text += '\n';
    text += failureHeading;
    for (const std::string& line : failureLines) {
        text += '\n';
        text += line;
    }
    return text;
}

ResultReport reportOf(const RenameResult& result) {
    ResultReport report;
    report.failureLines.reserve(result.errors.size());
    for (const auto& [name, reason] : result.errors)
        report.failureLines.push_back("\u2022 " + name + ": " + reason);
    report.moveLines.reserve(result.moved.size());
    for (const std::size_t position : result.moved) {
        if (position >= result.outcomes.size()) continue;
        const RenameOutcome& moved = result.outcomes[position];
        report.moveLines.push_back(moved.url.lastPathComponent() + " \u2192 " + moved.newName);
    }
    // std::to_string never groups digits and ignores the locale.
    const std::string count = std::to_string(result.success);
    if (result.errors.empty()) {
        report.summary = "\u2705 " + count + " file(s) renamed successfully.";
    } else {
        report.summary = "\u2705 " + count + " renamed.";
        report.failureHeading = "\u274C " + std::to_string(result.errors.size()) + " error(s):";
    }
    return report;
}

}  // namespace vellumix
