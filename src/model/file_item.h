// FileItem: one file of the user's list.
//
// The current name is never stored: it is always the last path component of
// `url`. Items have no equality of their own; lists tell them apart by `id`,
// which is drawn anew for every item made (two items made from the same URL are
// distinct). A plain value, intentionally copyable.
#pragma once

#include <optional>
#include <string>

#include "model/file_dates.h"
#include "model/file_url.h"
#include "model/uuid.h"

namespace vellumix {

struct FileItem {
    enum class Status {
        pending,    // as made; the items of the view model's list stay in it
        changed,    // the preview found a new name that differs from the current one
        unchanged,  // the preview found a new name equal to the current one
        error,      // shown with a badge of its own; no operation assigns it
    };

    // A new random id, an empty newName and status pending.
    explicit FileItem(FileUrl url);

    // The file name with its extension: url.lastPathComponent().
    std::string currentName() const;

    Uuid id;
    FileUrl url;
    std::string newName;
    Status status = Status::pending;
    // Its dates, once read; none until something needs them (a date taken
    // from the files, a sort by date).
    std::optional<FileDates> dates;
};

}  // namespace vellumix
