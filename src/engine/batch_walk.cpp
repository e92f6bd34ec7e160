#include "engine/batch_walk.h"

#include <utility>

#include "engine/failure_text.h"
#include "engine/file_move.h"
#include "engine/utf8.h"

namespace vellumix::detail {
namespace {

// Why the item `name` -> `newName`, found `changed` with a current name that
// is valid UTF-8, cannot get its new name within its own folder, or nothing
// once it has it. With an `expected` file, `found` is the file that was moved.
std::optional<Failure> moveFailure(MoveSpace& space, const FileItem& item, const std::string& name,
                                   const FileIdentity* expected, FileIdentity& found) {
    const std::string& newName = item.newName;
    // The new name stays one component of the file's own folder.
    if (const std::optional<FailureKind> kind = invalidNameKind(newName)) {
        return Failure{*kind, name, newName, 0, {}};
    }
    if (const int error = space.enter(folderOf(item.url.path())); error != 0) {
        return Failure{failureKindOf(error), name, newName, error, {}};
    }
    const Drive drive = space.drive();
    if (std::optional<Failure> refusal =
            driveRefusal(drive, name, newName, drive == Drive::fusefat && space.isFolder(name))) {
        return refusal;
    }
    if (expected != nullptr) {
        // A file that is gone is told by the move itself.
        found = space.identityOf(name);
        if (found.known && !sameFile(found, *expected)) {
            return Failure{FailureKind::replaced, name, newName, 0, {}};
        }
    }
    return space.move(name, newName);
}

RenameOutcome outcomeOf(MoveSpace& space, const FileItem& item, const FileIdentity* expected,
                        bool cancelled) {
    RenameOutcome outcome{RenameOutcome::Kind::moved, item.url, item.newName, {}, {}};
    const std::string name = item.currentName();
    if (item.status != FileItem::Status::changed) {
        outcome.kind = RenameOutcome::Kind::unchanged;
    } else if (item.newName.empty()) {
        outcome.kind = RenameOutcome::Kind::emptyName;
    } else if (!isValidUtf8(name)) {
        outcome.kind = RenameOutcome::Kind::notUtf8;
    } else if (cancelled) {
        outcome.kind = RenameOutcome::Kind::notAttempted;
    } else if (FileIdentity found;
               std::optional<Failure> failure = moveFailure(space, item, name, expected, found)) {
        outcome.kind = RenameOutcome::Kind::failed;
        outcome.failure = std::move(*failure);
    } else {
        // A move keeps the file's identity: what was checked before it holds after it.
        outcome.identity = found.known ? found : space.identityOf(item.newName);
    }
    return outcome;
}

// The counts, the failure sentences and the moved positions of `outcomes`.
RenameResult resultOf(std::vector<RenameOutcome> outcomes) {
    RenameResult result;
    for (std::size_t i = 0; i < outcomes.size(); ++i) {
        const RenameOutcome& outcome = outcomes[i];
        if (outcome.kind == RenameOutcome::Kind::moved) {
            ++result.success;
            result.moved.push_back(i);
        } else if (outcome.kind == RenameOutcome::Kind::failed) {
            result.errors.emplace_back(outcome.failure.name, failureText(outcome.failure));
        }
    }
    result.outcomes = std::move(outcomes);
    return result;
}

}  // namespace

std::string_view folderOf(std::string_view path) {
    const auto nameStart = static_cast<std::size_t>(lastPathComponent(path).data() - path.data());
    if (nameStart != 0) return path.substr(0, nameStart);
    if (path.empty()) return {};
    return path.front() == '/' ? "/" : "./";
}

RenameResult walkBatch(const std::vector<FileItem>& files, MoveSpace& space,
                       const std::vector<FileIdentity>& expected, BatchProgress* progress) {
    std::vector<RenameOutcome> outcomes;
    outcomes.reserve(files.size());
    bool cancelled = false;
    for (std::size_t i = 0; i < files.size(); ++i) {
        if (progress != nullptr && !cancelled && files[i].status == FileItem::Status::changed) {
            // Asked once per turn: a cancel that comes in later waits for the next.
            cancelled = progress->isCancelled();
            if (!cancelled) progress->startingMove(i);
        }
        outcomes.push_back(
            outcomeOf(space, files[i], expected.empty() ? nullptr : &expected[i], cancelled));
    }
    return resultOf(std::move(outcomes));
}

}  // namespace vellumix::detail
