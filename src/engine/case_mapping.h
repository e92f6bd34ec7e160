// Case mapping of UTF-8 text: the full Unicode mappings, independent of any
// locale, and the ASCII-only forms that fast paths use. All are pure and
// thread-safe.
#pragma once

#include <string>
#include <string_view>

namespace vellumix::detail {

// ASCII-only: the small or capital form of an ASCII letter; any other byte as it is.
// (In ASCII, full case folding is the small form.)
constexpr char asciiLower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c + ('a' - 'A')) : c;
}
constexpr char asciiUpper(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - ('a' - 'A')) : c;
}

// Each character of `utf8` in its simple capital form, one for one, as drives
// that ignore letter case compare names (FAT, exFAT); bytes that are not
// UTF-8 stay as they are.
std::string simpleUppercase(std::string_view utf8);

// Full Unicode default case mapping of well-formed UTF-8, independent of any
// locale (ICU's root locale): one character may become several ("ß" -> "SS").
// ASCII-only texts take a byte-wise fast path with the same result.
std::string toLowerFull(std::string_view utf8);
std::string toUpperFull(std::string_view utf8);
// The same mappings appended to `out`, without a string of their own.
void appendLowerFull(std::string& out, std::string_view utf8);
void appendUpperFull(std::string& out, std::string_view utf8);

}  // namespace vellumix::detail
