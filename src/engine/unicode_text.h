// Unicode helpers shared by the engine and the view model (ICU underneath).
// Each says whether it works on bytes, code points or user-perceived characters.
// All are pure and thread-safe.
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

// The canonically composed (NFC) form of a UTF-8 text. Text that is not valid
// UTF-8 is returned byte for byte, unchanged.
std::string toNfc(std::string_view utf8);

// Canonical equivalence, case-sensitive: "é" precomposed equals "e" + U+0301.
// Byte-equal texts are equal at once; texts that are not valid UTF-8 are equal
// only when their bytes are.
bool canonicallyEqual(std::string_view a, std::string_view b);

}  // namespace vellumix::detail
