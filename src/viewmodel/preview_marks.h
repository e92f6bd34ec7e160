// PreviewMarks: what the window marks in the rows of a preview besides their
// status, so that no row reads "Renamed" when the rename will not rename it:
// the moves that the foresight (RenameViewModel::foresight) says will be
// refused, the files that the rename skips although their names are not the
// same (a name that is not UTF-8, an empty new name), and new names worth a
// warning (name_warning.h). The rows that fail or are skipped stand out as
// errors, those with a warning more mildly; the counts and the positions of
// the marked rows let the window tell how many there are and step to them.
//
// A plain value, computed once per preview and again when its foresight comes
// in. Pure; any thread.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/rename_engine.h"
#include "model/file_item.h"

namespace vellumix {

struct PreviewMarks {
    enum class Mark : std::uint8_t {
        none,
        willFail,   // the move will be refused: the foresight's outcome tells why
        notUtf8,    // the current name is not UTF-8, and such a file is never renamed
        emptyName,  // the new name is empty: the rename skips the file
        warning,    // renamed, but see nameWarnings(current name, new name)
    };

    std::vector<Mark> rows;            // one per preview item, in list order
    std::vector<std::size_t> marked;   // the positions whose mark is not none, ascending
    std::int64_t failures = 0;         // rows marked willFail
    std::int64_t skipped = 0;          // rows marked notUtf8 or emptyName
    std::int64_t warnings = 0;         // rows marked warning
    // The foresight the failures come from (null while there is none).
    std::shared_ptr<const RenameResult> foresight;

    // The mark of the row at `position` (none past the end).
    [[nodiscard]] Mark at(std::size_t position) const;
    // Whether `mark` is an error: the file will not be renamed.
    [[nodiscard]] static bool isError(Mark mark) { return mark != Mark::none && mark != Mark::warning; }
    // The first marked position after `position` (from the start when there
    // is none), wrapping around; nothing when no row is marked.
    [[nodiscard]] std::optional<std::size_t> after(std::optional<std::size_t> position) const;
    // The same backwards: the last marked position before `position`.
    [[nodiscard]] std::optional<std::size_t> before(std::optional<std::size_t> position) const;
};

// The marks of `preview` (previewFiles() as of one revision) under
// `foresight`, its foresight, or without failures while that is null. A
// foresight of another length than the preview is taken for none.
[[nodiscard]] PreviewMarks marksOf(const std::vector<FileItem>& preview,
                                   std::shared_ptr<const RenameResult> foresight);

// A name that may not be UTF-8 as a text that is: its well-formed sequences
// as they are and each byte of an ill-formed one as \xNN ("caf\xE9.txt").
[[nodiscard]] std::string readableName(std::string_view name);

}  // namespace vellumix
