#include "viewmodel/result_report.h"

#include <algorithm>
#include <cstdint>

#include "engine/failure_text.h"

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

ResultReport reportOf(const std::vector<RenameOutcome>& outcomes) {
    using Kind = RenameOutcome::Kind;
    const auto renamed = std::count_if(outcomes.begin(), outcomes.end(), [](const auto& outcome) {
        return outcome.kind == Kind::moved;
    });
    ResultReport report;
    for (const RenameOutcome& outcome : outcomes) {
        if (outcome.kind != Kind::failed) continue;
        report.failureLines.push_back("\u2022 " + outcome.failure.name + ": " +
                                      failureText(outcome.failure));
    }
    // std::to_string never groups digits and ignores the locale.
    const std::string count = std::to_string(static_cast<std::int64_t>(renamed));
    if (report.failureLines.empty()) {
        report.summary = "\u2705 " + count + " file(s) renamed successfully.";
    } else {
        report.summary = "\u2705 " + count + " renamed.";
        report.failureHeading =
            "\u274C " + std::to_string(report.failureLines.size()) + " error(s):";
    }
    return report;
}

}  // namespace vellumix
