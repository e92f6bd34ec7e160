#include "engine/disk_moves.h"

#include <fcntl.h>
#include <sys/stat.h>

#include "engine/case_mapping.h"
#include "engine/case_only_rename.h"
#include "engine/file_move.h"

namespace vellumix::detail {

int DiskMoves::enter(std::string_view path) {
    folder_ = &folders_.open(path);
    return folder_->fd == -1 ? folder_->error : 0;
}

bool DiskMoves::isFolder(const std::string& name) {
    struct stat info {};
    return ::fstatat(folder_->fd, name.c_str(), &info, AT_SYMLINK_NOFOLLOW) == 0 &&
           S_ISDIR(info.st_mode);
}

std::optional<Failure> DiskMoves::move(const std::string& from, const std::string& to) {
    const bool caseAlone = ignoresCase(folder_->drive) && from != to &&
                           simpleUppercase(from) == simpleUppercase(to);
    const int error = caseAlone
                          ? renameThroughTemporaryName(folder_->fd, from, to, folder_->abilities)
                          : renameAllowingCaseOnlyChange(folder_->fd, from, to, folder_->abilities);
    if (error == 0) return std::nullopt;
    return Failure{moveFailureKind(folder_->fd, from, to, error), from, to, error};
}

}  // namespace vellumix::detail
