// A rename that may change nothing but letter case, also on a drive that
// ignores letter case (exFAT, FAT, NTFS and most network shares): there
// IMG_0001.JPG -> img_0001.JPG finds the file itself already standing at the
// new name, and a move that never replaces is refused.
//
// Internal to the engine; safe to call from any thread.
#pragma once

#include <string>

namespace vellumix::detail {

// Gives `from` the name `to` in `folder` like moveWithoutReplacing, and also
// where the drive ignores letter case and `to` already finds the file itself:
// then the file moves to a fresh temporary name in the same folder and from
// there to `to`, both without replacing. Should the second move fail (another
// file stands at `to`), the file moves back and the error of the second move
// is returned. (Only a drive failing in between could keep it from moving
// back: then it stays in its folder as ".vellumix-UUID".)
// Returns 0 on success, otherwise the errno of the failure.
int renameAllowingCaseOnlyChange(int folder, const std::string& from, const std::string& to);

}  // namespace vellumix::detail
