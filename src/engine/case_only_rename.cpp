#include "engine/case_only_rename.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>

#include "engine/file_move.h"
#include "model/uuid.h"

namespace vellumix::detail {
namespace {

// Whether `a` and `b` in `folder` are the same file under two spellings. The
// inode number alone cannot tell: FUSE drivers such as exfat-fuse number each
// spelling anew. So the same device, type, size and times count as the same
// file; the two moves that follow never replace, so a look-alike file at `b`
// still refuses the second move.
bool sameFile(int folder, const std::string& a, const std::string& b) {
    struct statx x {};
    struct statx y {};
    if (freshStat(folder, a, x) != 0 || freshStat(folder, b, y) != 0) return false;
    const auto same = [](const statx_timestamp& s, const statx_timestamp& t) {
        return s.tv_sec == t.tv_sec && s.tv_nsec == t.tv_nsec;
    };
    return x.stx_dev_major == y.stx_dev_major && x.stx_dev_minor == y.stx_dev_minor &&
           (x.stx_ino == y.stx_ino ||
            ((x.stx_mode & S_IFMT) == (y.stx_mode & S_IFMT) && x.stx_size == y.stx_size &&
             same(x.stx_mtime, y.stx_mtime) && same(x.stx_ctime, y.stx_ctime)));
}

// What a temporary name adds to the name it carries: this and eight hex digits.
constexpr std::string_view kTemporaryTag = ".vellumix-renaming-";
constexpr std::size_t kTagDigits = 8;

// The most bytes a name may have on the drives in use; a limit counted in
// UTF-16 units (exFAT, FAT, NTFS) is never less than one counted in bytes.
constexpr std::size_t kLongestName = 255;

}  // namespace

std::string temporaryNameFor(std::string_view name) {
    const std::string tag = std::string(kTemporaryTag) + Uuid().toString().substr(0, kTagDigits);
    std::size_t kept = std::min(name.size(), kLongestName - tag.size());
    // Not inside a character: back to the start of the one cut.
    if (kept < name.size()) {
        while (kept > 0 && (static_cast<unsigned char>(name[kept]) & 0xC0) == 0x80)
            --kept;
    }
    return std::string(name.substr(0, kept)) + tag;
}

std::optional<std::string_view> nameCarriedBy(std::string_view name) {
    const std::size_t tagSize = kTemporaryTag.size() + kTagDigits;
    if (name.size() <= tagSize) return std::nullopt;
    const std::size_t tagAt = name.size() - tagSize;
    const std::string_view digits = name.substr(tagAt + kTemporaryTag.size());
    if (name.substr(tagAt, kTemporaryTag.size()) != kTemporaryTag ||
        digits.find_first_not_of("0123456789abcdef") != std::string_view::npos) {
        return std::nullopt;
    }
    return name.substr(0, tagAt);
}

int renameAllowingCaseOnlyChange(int folder, const std::string& from, const std::string& to,
                                 MoveAbilities& known, MoveNotes* notes) {
    const int error = moveWithoutReplacing(folder, from, to, known, notes);
    // A name that is its own new name stays refused like any existing one.
    if (error != EEXIST || from == to || !sameFile(folder, from, to)) return error;
    return renameThroughTemporaryName(folder, from, to, known, notes);
}

int renameAllowingCaseOnlyChange(int folder, const std::string& from, const std::string& to) {
    MoveAbilities once;
    return renameAllowingCaseOnlyChange(folder, from, to, once);
}

int renameThroughTemporaryName(int folder, const std::string& from, const std::string& to,
                               MoveAbilities& known, MoveNotes* notes, CaseTarget target) {
    const std::string temporary = temporaryNameFor(from);
    if (const int first = moveWithoutReplacing(folder, from, temporary, known); first != 0) {
        return first;
    }
    // The first move has taught `known` what the drive refuses.
    const bool plain =
        target == CaseTarget::heldByTheFile && known.refusesNoReplace && known.refusesHardLinks;
    const int second =
        plain ? (::renameat(folder, temporary.c_str(), folder, to.c_str()) == 0 ? 0 : errno)
              : moveWithoutReplacing(folder, temporary, to, known);
    if (second != 0 && moveWithoutReplacing(folder, temporary, from, known) != 0 &&
        notes != nullptr) {
        notes->strandedAs = temporary;
    }
    return second;
}

bool differInAsciiCaseAlone(std::string_view a, std::string_view b) {
    const auto lower = [](char c) {
        return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    };
    return a != b && std::ranges::equal(a, b, {}, lower, lower);
}

}  // namespace vellumix::detail
