// The orders a list of files can be put in, as a person means them: names by
// how they read (numbers by value, letter case and accents after the letters),
// dates, sizes and kinds of file.
//
// Part of the stateless engine; reads the file system for sizes, and for the
// modification date of files whose dates were not read yet. Safe to call
// from any thread.
#pragma once

#include <cstddef>
#include <vector>

#include "model/file_item.h"

namespace vellumix {

enum class SortKey {
    name,          // "Name": the file name, as ICU's collator of the user's locale reads it
    dateModified,  // "Date Modified": when the file's contents last changed
    dateTaken,     // "Date Taken": when the photo was taken, else its date modified
    size,          // "Size": its length in bytes
    type,          // "Type": its extension as names read, then its name
};

struct FileSort {
    SortKey key = SortKey::name;
    bool descending = false;

    friend bool operator==(const FileSort&, const FileSort&) = default;
};

// The positions of `files` in the order `sort` gives them. Names compare with
// numeric ordering in the default locale: IMG_9, IMG_10, img_11, Été, Zebra.
// Dates are those of FileItem::dates; a file whose dates were not read yet is
// sorted by its modification date, read now, under either date key.
// Files whose date or size can't be read (gone, not allowed) come last in
// either direction; files that compare equal keep their order among
// themselves, also when descending.
[[nodiscard]] std::vector<std::size_t> sortedPositions(const std::vector<FileItem>& files,
                                                       FileSort sort);

}  // namespace vellumix
