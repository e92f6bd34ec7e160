// RenameEngine: the stateless heart of Vellumix. It computes new file names
// under a RenameConfig, previews a whole list, and renames files on disk.
//
// Every operation is a pure function of its arguments (the date rule also reads
// the clock, the default locale and the default time zone; the batch rename
// acts on the file system, and its foresight reads it). Nothing is kept between calls, so the functions may
// be called from any thread; the application calls them from the UI thread.
//
// Names are UTF-8 bytes. A name that is not valid UTF-8 is never altered: it
// computes to itself, previews as unchanged and is never renamed.
//
// Examples (the current name is the last path component of the item's URL):
//   addPrefix,   text "IMG_"                      photo.jpg       -> IMG_photo.jpg
//   addSuffix,   text "_v2"                       archive.tar.gz  -> archive.tar_v2.gz
//   replace,     find "JPG", replace "x"          IMG_JPG.jpg     -> IMG_x.jpg
//   regexReplace find "(\d+)", template "[$1]"    take12.mov      -> take[12].mov
//   caseChange,  lowercase                        MyFile.TXT      -> myfile.TXT
//   addNumber,   defaults, index 2                c.txt           -> c_03.txt
//   addDate,     defaults, on 14 March 2025       notes.txt       -> notes_2025-03-14.txt
//   removeChars, from 3, count 10                 photo.jpg       -> pho.jpg
//   cleanUp                                       my_holiday-photo.final.JPG
//                                                              -> My Holiday Photo Final.JPG
#pragma once

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "engine/rename_outcome.h"
#include "model/file_item.h"
#include "model/rename_config.h"
#include "model/rename_rule.h"

namespace vellumix {

// The outcome of a batch rename. `outcomes` tells what happened to each item;
// the other three fields are made from it (the reasons as failureText words them).
struct RenameResult {
    std::int64_t success = 0;                                 // files moved
    std::vector<std::pair<std::string, std::string>> errors;  // (old name, reason), list order
    std::vector<std::size_t> moved;       // positions in `files` of the items moved, ascending
    std::vector<RenameOutcome> outcomes;  // one per item of `files`, in its order
};

class RenameEngine {
public:
    RenameEngine() = delete;

    // The complete new name (base name, then the unchanged extension) of `file`
    // under `config`, with `index` as the file's 0-based position in the list.
    // Never fails; the result may be empty. The date rule reads the clock.
    [[nodiscard]] static std::string compute(const RenameConfig& config, const FileItem& file,
                                             std::int64_t index);
    // The same, with `now` as the date rule's clock.
    [[nodiscard]] static std::string compute(const RenameConfig& config, const FileItem& file,
                                             std::int64_t index,
                                             std::chrono::system_clock::time_point now);

    // `text` rewritten in one of the six case styles; locale-independent.
    // Example: applyCase(CaseOption::camelCase, "My  holiday-photo_01") == "myHolidayPhoto01".
    [[nodiscard]] static std::string applyCase(CaseOption option, std::string_view text);

    // One item per input item, same order, same id and url, with newName and
    // status (changed / unchanged, by canonical equivalence) filled in.
    [[nodiscard]] static std::vector<FileItem> preview(const std::vector<FileItem>& files,
                                                       const RenameConfig& config);

    // Moves every `changed` item with a non-empty newName to that name in its own
    // folder, one at a time in list order, never replacing an existing file. Each
    // failure becomes an entry and the batch goes on; a failed move leaves the
    // file exactly where and as it was.
    [[nodiscard]] static RenameResult rename(const std::vector<FileItem>& files);

    // What rename(files) would return if it ran now: the same success count,
    // the same (old name, reason) entries byte for byte, the same moved
    // positions and outcomes. Reads the folders; moves nothing.
    [[nodiscard]] static RenameResult foresee(const std::vector<FileItem>& files);
};

}  // namespace vellumix
