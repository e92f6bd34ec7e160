// Unicode helpers shared by the engine and the view model (ICU underneath).
// Each says whether it works on bytes, code points or user-perceived characters.
// All are pure and thread-safe.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include <unicode/normalizer2.h>
#include <unicode/umachine.h>
#include <unicode/unistr.h>

namespace vellumix::detail {

// True when `bytes` is well-formed UTF-8 (no overlongs, surrogates or values past U+10FFFF).
bool isValidUtf8(std::string_view bytes);

// True when every byte is below 0x80. ASCII-only fast paths test this first.
bool isAscii(std::string_view bytes);

// ASCII-only: the small or capital form of an ASCII letter; any other byte as it is.
// (In ASCII, full case folding is the small form.)
constexpr char asciiLower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c + ('a' - 'A')) : c;
}
constexpr char asciiUpper(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - ('a' - 'A')) : c;
}

// ICU's canonical normaliser: NFC for UNORM2_COMPOSE, NFD for UNORM2_DECOMPOSE.
// Null when ICU has no normalisation data.
const icu::Normalizer2* canonicalNormalizer(UNormalization2Mode mode);

// UTF-8 to UTF-16; each ill-formed sequence becomes U+FFFD.
icu::UnicodeString toUtf16(std::string_view utf8);

// UTF-16 to UTF-8.
std::string toUtf8(const icu::UnicodeString& utf16);

// The canonically composed (NFC) form of a UTF-8 text. Text that is not valid
// UTF-8 is returned byte for byte, unchanged.
std::string toNfc(std::string_view utf8);

// True when toNfc(utf8) returns `utf8` itself (it is in NFC, or it is not
// valid UTF-8), answered without a copy. False only when toNfc may differ.
bool isNfc(std::string_view utf8);

// Canonical equivalence, case-sensitive: "é" precomposed equals "e" + U+0301.
// Byte-equal texts are equal at once; texts that are not valid UTF-8 are equal
// only when their bytes are.
bool canonicallyEqual(std::string_view a, std::string_view b);
// The same for texts known to be well-formed UTF-8, without checking them again.
// REQUIRES: isValidUtf8(a) && isValidUtf8(b).
bool canonicallyEqualWellFormed(std::string_view a, std::string_view b);

// `bytes` itself when it is well-formed UTF-8; otherwise a copy in which each
// ill-formed sequence has become U+FFFD. The result is always well-formed UTF-8.
std::string toWellFormedUtf8(std::string_view bytes);

// Code points. Alphanumeric: general category L (letters), M (marks) or N (numbers).
bool isAlphanumeric(UChar32 c);

// Code points. White space as ICU's regular expressions match "\s": the
// Unicode White_Space property (tab, line breaks, Zs, U+0085, U+2028, U+2029).
bool isWhiteSpace(UChar32 c);

// Code points. The trimming set: general category Zs and the tab (no line breaks).
bool isHorizontalSpace(UChar32 c);

// User-perceived characters (extended grapheme clusters) of well-formed UTF-8:
// the byte offsets at which they begin, followed by the text's size. "" gives
// {0}; "e\u0301x" gives {0, 3, 4}. Exactly ICU's character break iterator,
// which however sees only the pieces of text around marks, joiners, emoji
// sequences and the like; plain letters, digits and punctuation of any script
// are counted one by one without it.
std::vector<std::size_t> graphemeBoundaries(std::string_view utf8);

// User-perceived characters: the byte offset at which the first one ends (0
// for "").
std::size_t firstGraphemeEnd(std::string_view utf8);

// User-perceived characters: true when byte offset `at` of well-formed UTF-8 is
// one of graphemeBoundaries(utf8), asking ICU only about the piece around it.
// REQUIRES: `at` is at most the size and not inside a UTF-8 sequence.
bool isGraphemeBoundary(std::string_view utf8, std::size_t at);

// Full Unicode default case mapping of well-formed UTF-8, independent of any
// locale (ICU's root locale): one character may become several ("ß" -> "SS").
// ASCII-only texts take a byte-wise fast path with the same result.
std::string toLowerFull(std::string_view utf8);
std::string toUpperFull(std::string_view utf8);
// The same mappings appended to `out`, without a string of their own.
void appendLowerFull(std::string& out, std::string_view utf8);
void appendUpperFull(std::string& out, std::string_view utf8);

}  // namespace vellumix::detail
