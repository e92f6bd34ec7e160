#include "engine/disk_moves.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <utility>

#include "engine/case_mapping.h"
#include "engine/case_only_rename.h"
#include "engine/file_move.h"

namespace vellumix::detail {

int DiskMoves::enter(std::string_view path) {
    folder_ = &folders_.open(path);
    return folder_->fd == -1 ? folder_->error : 0;
}

FileIdentity DiskMoves::identityOf(const std::string& name) {
    // The file just moved, as its move saw it: a slow drive is not asked again.
    if (movedAs_.known && name == movedTo_) return std::exchange(movedAs_, {});
    movedAs_ = {};
    return vellumix::identityOf(folder_->fd, name);
}

bool DiskMoves::isFolder(const std::string& name) {
    struct stat info {};
    return ::fstatat(folder_->fd, name.c_str(), &info, AT_SYMLINK_NOFOLLOW) == 0 &&
           S_ISDIR(info.st_mode);
}

std::optional<Failure> DiskMoves::move(const std::string& from, const std::string& to) {
    const bool caseAlone =
        ignoresCase(folder_->drive) && from != to && simpleUppercase(from) == simpleUppercase(to);
    MoveNotes notes;
    int error = 0;
    if (caseAlone) {
        const CaseTarget target =
            differInAsciiCaseAlone(from, to) ? CaseTarget::heldByTheFile : CaseTarget::checked;
        error =
            renameThroughTemporaryName(folder_->fd, from, to, folder_->abilities, &notes, target);
    } else {
        error = renameAllowingCaseOnlyChange(folder_->fd, from, to, folder_->abilities, &notes);
    }
    if (error == 0) {
        movedTo_ = to;
        movedAs_ = notes.movedAs.known ? notes.movedAs : cachedIdentityOf(folder_->fd, to);
        return std::nullopt;
    }
    // Where the file was left between its two moves, the sentence says so.
    if (!notes.strandedAs.empty()) {
        return Failure{FailureKind::leftUnderTemporaryName, from, to, error,
                       std::move(notes.strandedAs)};
    }
    return Failure{moveFailureKind(folder_->fd, from, to, error), from, to, error, {}};
}

}  // namespace vellumix::detail
