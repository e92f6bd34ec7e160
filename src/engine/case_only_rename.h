// A rename that may change nothing but letter case, also on a drive that
// ignores letter case (exFAT, FAT, NTFS and most network shares): there
// IMG_0001.JPG -> img_0001.JPG finds the file itself already standing at the
// new name, and a move that never replaces is refused.
//
// Internal to the engine; safe to call from any thread.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "engine/file_move.h"

namespace vellumix::detail {

// Gives `from` the name `to` in `folder` like moveWithoutReplacing, and also
// where the drive ignores letter case and `to` already finds the file itself:
// then the file moves to a fresh temporary name in the same folder and from
// there to `to`, both without replacing. Should the second move fail (another
// file stands at `to`), the file moves back and the error of the second move
// is returned. (Only a drive failing in between, or the program stopped
// there, could keep it from moving back: then it stays in its folder under
// its temporary name, which carries its name, and that name is put in
// `notes` when given.)
// Returns 0 on success, otherwise the errno of the failure.
int renameAllowingCaseOnlyChange(int folder, const std::string& from, const std::string& to,
                                 MoveAbilities& known, MoveNotes* notes = nullptr);
int renameAllowingCaseOnlyChange(int folder, const std::string& from, const std::string& to);

// What the second of the two moves may take for granted of its target.
enum class CaseTarget {
    checked,  // nothing: it never replaces
    // `to` is the name the file itself holds (the names differ in the case of
    // ASCII letters alone, on a drive that ignores letter case, which every
    // such drive folds): once the file is under its temporary name, nothing
    // can stand at `to` but a file made in that very moment, which a check
    // could not keep out either. Where the drive knows neither the no-replace
    // flag nor hard links, the move is then a plain rename, without the check
    // that would cost a slow drive a round trip per file.
    heldByTheFile,
};

// The two moves alone: `from` to a fresh temporary name, and from there to
// `to`, both without replacing (see CaseTarget); should the second fail, the
// file moves back and its error is returned. Where the drive is known to
// ignore letter case and the names differ in it alone, they are one entry
// there: the first try and the check above would only cost a slow drive
// three more round trips.
int renameThroughTemporaryName(int folder, const std::string& from, const std::string& to,
                               MoveAbilities& known, MoveNotes* notes = nullptr,
                               CaseTarget target = CaseTarget::checked);

// Whether `a` and `b` differ, and only in the case of ASCII letters ("IMG.JPG", "img.jpg").
[[nodiscard]] bool differInAsciiCaseAlone(std::string_view a, std::string_view b);

// A fresh name for the file `name` between its two moves, visible and made
// of its own name, so that whoever finds it after an interruption knows the
// file: "IMG_0001.JPG.vellumix-renaming-3f2a91c0". The name is cut, between
// characters, where the whole would pass 255 bytes.
[[nodiscard]] std::string temporaryNameFor(std::string_view name);

// The name that a name made by temporaryNameFor carries ("IMG_0001.JPG" of
// "IMG_0001.JPG.vellumix-renaming-3f2a91c0"), or nothing for any other name.
[[nodiscard]] std::optional<std::string_view> nameCarriedBy(std::string_view name);

}  // namespace vellumix::detail
