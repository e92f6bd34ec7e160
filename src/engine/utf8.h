// UTF-8 as bytes: whether a text is well-formed or plain ASCII, and its
// conversion to and from the UTF-16 strings that ICU works on. All are pure
// and thread-safe.
#pragma once

#include <string>
#include <string_view>

#include <unicode/unistr.h>

namespace vellumix::detail {

// True when `bytes` is well-formed UTF-8 (no overlongs, surrogates or values past U+10FFFF).
bool isValidUtf8(std::string_view bytes);

// True when every byte is below 0x80. ASCII-only fast paths test this first.
bool isAscii(std::string_view bytes);

// UTF-8 to UTF-16; each ill-formed sequence becomes U+FFFD.
icu::UnicodeString toUtf16(std::string_view utf8);

// UTF-16 to UTF-8.
std::string toUtf8(const icu::UnicodeString& utf16);

// `bytes` itself when it is well-formed UTF-8; otherwise a copy in which each
// ill-formed sequence has become U+FFFD. The result is always well-formed UTF-8.
std::string toWellFormedUtf8(std::string_view bytes);

}  // namespace vellumix::detail
