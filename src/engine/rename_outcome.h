// What a batch rename did with one item it was given, as data: the ground
// from which the alert's sentences, the rebuilt list and any later look back
// at the batch are made.
#pragma once

#include <string>

#include "engine/failure.h"
#include "engine/file_identity.h"
#include "model/file_url.h"

namespace vellumix {

struct RenameOutcome {
    enum class Kind {
        moved,      // the file now stands at `newName` in its folder
        unchanged,  // skipped: the preview gave it no name of its own (status not changed)
        emptyName,  // skipped: the preview gave it an empty name
        notUtf8,    // skipped: its current name is not UTF-8, and such a name is never renamed
        failed,     // the move was refused; the file is where and as it was (see `failure`)
        notAttempted,  // skipped: the batch was cancelled before its turn came
    };

    Kind kind = Kind::unchanged;
    FileUrl url;            // where the file was before the batch
    std::string newName;    // the name it got (moved) or was to get
    Failure failure;        // why the move was refused (failed only)
    FileIdentity identity;  // the file as it stood at its new name (moved by a rename only)
};

}  // namespace vellumix
