// What the result alert says after a batch rename, as data: the counts and
// one line per failure, each kept apart so that nothing has to split the
// message again.
#pragma once

#include <string>
#include <vector>

#include "engine/rename_engine.h"

namespace vellumix {

struct ResultReport {
    // "✅ 3 file(s) renamed successfully." without failures, "✅ 2 renamed." with.
    // Counts are plain decimal digits, without grouping.
    std::string summary;
    // "❌ 1 error(s):", or "" without failures.
    std::string failureHeading;
    // One line per failure, in the list's order: "• a2.txt: “a.txt” already exists."
    std::vector<std::string> failureLines;
    // Every move the batch made, in the list's order: "a1.txt → x_a1.txt".
    // Not part of the message: a record to look at and copy.
    std::vector<std::string> moveLines;
    // After a cancel, "⏹ 8 file(s) not attempted: the batch was cancelled."
    // in the user's language (see failure_text.h); else "".
    std::string cancelNote;

    // The alert's whole text: the summary, then the cancel note, the heading
    // and each failure line that there are, each after a line feed (none
    // after the last).
    [[nodiscard]] std::string message() const;
};

// The report of a batch rename: its count of moved files and its failures with
// the sentences the engine made of them, each failure worded once.
[[nodiscard]] ResultReport reportOf(const RenameResult& result);

}  // namespace vellumix
