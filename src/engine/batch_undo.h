// Taking a batch back and doing it again. A batch is kept as the files it
// moved, each with where it was, the name it got and which file it was; the
// moves back (and again) are made by the batch rename's own rules, never
// replacing anything, and a file that is gone, renamed since or replaced by
// another stays where it is with a failure that says so.
#pragma once

#include <string>
#include <vector>

#include "engine/batch_progress.h"
#include "engine/file_identity.h"
#include "engine/rename_engine.h"
#include "model/file_url.h"

namespace vellumix {

// One file a batch moved.
struct MovedFile {
    FileUrl from;           // where it was before the batch
    std::string newName;    // the name the batch gave it in the same folder
    FileIdentity identity;  // the file itself

    // Where the batch put it.
    [[nodiscard]] FileUrl to() const;
};

// The files the batch of `result` moved, in the order it moved them.
[[nodiscard]] std::vector<MovedFile> movedFiles(const RenameResult& result);

// The moves that take `batch` back: each file from where the batch put it to
// its old name, the last moved first.
[[nodiscard]] std::vector<MovedFile> inverseOf(const std::vector<MovedFile>& batch);

// Makes the moves of `batch` (again), in its order, each file refused when it
// is no longer the one the batch moved. One outcome per file, in that order.
[[nodiscard]] RenameResult replayMoves(const std::vector<MovedFile>& batch);
// The same, telling `progress` of each file as its turn comes and stopping at
// a cancel, as renameFiles does.
[[nodiscard]] RenameResult replayMoves(const std::vector<MovedFile>& batch,
                                       BatchProgress& progress);

// Moves every file of `batch` back to its old name: replayMoves(inverseOf(batch)).
[[nodiscard]] RenameResult undoMoves(const std::vector<MovedFile>& batch);

}  // namespace vellumix
