#include "engine/failure_text.h"

#include <atomic>
#include <system_error>

namespace vellumix {
namespace {

std::atomic<FailureWording> installedWording{nullptr};

std::string quoted(const std::string& name) {
    return "\u201C" + name + "\u201D";
}

}  // namespace

std::string englishFailureText(const Failure& failure) {
    const std::string& name = failure.name;
    switch (failure.kind) {
        case FailureKind::alreadyExists:
            return quoted(failure.newName) + " already exists.";
        case FailureKind::noLongerExists:
            return quoted(name) + " no longer exists.";
        case FailureKind::permissionDenied:
            return "You don't have permission to rename " + quoted(name) + ".";
        case FailureKind::readOnly:
            return quoted(name) + " is on a read-only file system.";
        case FailureKind::nameTooLong:
            return "The new name is too long.";
        case FailureKind::noSpace:
            return "There isn't enough space on the disk to rename " + quoted(name) + ".";
        case FailureKind::inUse:
            return quoted(name) + " is in use.";
        case FailureKind::otherFileSystem:
            return quoted(name) + " can't be moved to another file system.";
        case FailureKind::diskError:
            return "A disk error occurred while renaming " + quoted(name) + ".";
        case FailureKind::emptyName:
            return "A name can't be empty.";
        case FailureKind::nameWithSlash:
            return "A name can't contain \u201C/\u201D.";
        case FailureKind::nameWithNull:
            return "A name can't contain a null character.";
        case FailureKind::reservedName:
            return quoted(failure.newName) + " can't be used as a name.";
        case FailureKind::nameNotOnDrive:
            return quoted(failure.newName) + " can't be used as a name on this drive.";
        case FailureKind::other:
            break;
    }
    return quoted(name) + " couldn't be renamed (" +
           std::generic_category().message(failure.error) + ").";
}

void setFailureWording(FailureWording wording) {
    installedWording.store(wording);
}

std::string failureText(const Failure& failure) {
    const FailureWording wording = installedWording.load();
    return wording != nullptr ? wording(failure) : englishFailureText(failure);
}

}  // namespace vellumix
