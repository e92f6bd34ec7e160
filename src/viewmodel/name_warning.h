// What is worth a warning in a new name that the rename will carry out: a
// file that will be hidden (its new name begins with a dot, its current one
// does not) and a name of which nothing but the extension is left (the new
// name is "." and the current name's extension). Works on bytes; pure, any
// thread.
//
// Example: nameWarnings("B.txt", ".txt") == {.hides = true, .onlyExtension = true}.
#pragma once

#include <string_view>

namespace vellumix {

struct NameWarnings {
    bool hides = false;          // the new name begins with a dot, the current one does not
    bool onlyExtension = false;  // the new name is "." + the current name's extension

    [[nodiscard]] bool any() const { return hides || onlyExtension; }
    friend bool operator==(const NameWarnings&, const NameWarnings&) = default;
};

// The warnings for renaming `currentName` to `newName` (file names, not paths).
[[nodiscard]] NameWarnings nameWarnings(std::string_view currentName, std::string_view newName);

}  // namespace vellumix
