#include "engine/failure.h"

#include <cerrno>

namespace vellumix {

FailureKind failureKindOf(int error) {
    switch (error) {
        case EEXIST:
        case ENOTEMPTY:
        case EISDIR:
            return FailureKind::alreadyExists;
        case ENOENT:
        case ENOTDIR:
            return FailureKind::noLongerExists;
        case EACCES:
        case EPERM:
            return FailureKind::permissionDenied;
        case EROFS:
            return FailureKind::readOnly;
        case ENAMETOOLONG:
            return FailureKind::nameTooLong;
        case ENOSPC:
        case EDQUOT:
            return FailureKind::noSpace;
        case EBUSY:
        case ETXTBSY:
            return FailureKind::inUse;
        case EXDEV:
            return FailureKind::otherFileSystem;
        case EIO:
            return FailureKind::diskError;
        case ENOTCONN:      // a FUSE drive whose driver is gone
        case ECONNABORTED:  // a request it was serving when it went
        case ENODEV:
        case ENXIO:
            return FailureKind::driveGone;
        default:
            return FailureKind::other;
    }
}

}  // namespace vellumix
