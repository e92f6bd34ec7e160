#include "viewmodel/result_report.h"

#include <algorithm>

#include "engine/failure_text.h"

// Marks a text for the translators' tools (see engine/failure_text.cpp).
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(context, text) text
#endif

namespace vellumix {
namespace {

// The line for the files a cancelled batch left alone; "%1" is their number.
constexpr const char* kCancelNote =
    QT_TRANSLATE_NOOP("FailureText", "\u23F9 %1 file(s) not attempted: the batch was cancelled.");

std::string cancelNoteFor(std::size_t notAttempted) {
    if (notAttempted == 0) return {};
    std::string note = translatedTemplate(kCancelNote);
    if (const std::size_t at = note.find("%1"); at != std::string::npos) {
        note.replace(at, 2, std::to_string(notAttempted));
    }
    return note;
}

}  // namespace

std::string ResultReport::message() const {
    std::string text = summary;
    if (!cancelNote.empty()) {
        text += '\n';
        text += cancelNote;
    }
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
    report.cancelNote = cancelNoteFor(static_cast<std::size_t>(
        std::count_if(result.outcomes.begin(), result.outcomes.end(), [](const RenameOutcome& o) {
            return o.kind == RenameOutcome::Kind::notAttempted;
        })));
    return report;
}

}  // namespace vellumix
