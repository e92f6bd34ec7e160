// Remove Characters and Smart Clean Up, on well-formed UTF-8 base names.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace vellumix::detail {

// Removes `count` user-perceived characters beginning at position `from`
// (counted from 0). `from` is clamped to [0, c] and `count` to [0, c - from],
// c being the text's character count, so any two values are safe.
// Example: removeCharacters("photo", 3, 10) == "pho".
std::string removeCharacters(std::string_view text, std::int64_t from, std::int64_t count);

// "_", "-" and "." become spaces where each is a user-perceived character of
// its own (not "_" + U+0301); Zs and tabs are trimmed at both ends; every
// run of white space (as ICU's "\s+" matches it) becomes one space; then each
// space word is capitalised and the words are joined with one space.
// Example: cleanUp("my_holiday-photo.final") == "My Holiday Photo Final".
std::string cleanUp(std::string_view text);

}  // namespace vellumix::detail
