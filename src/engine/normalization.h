// Canonical normalisation of UTF-8 text (ICU's NFC and NFD): the composed form
// of a name and canonical equivalence of two names. All are pure and thread-safe.
#pragma once

#include <string>
#include <string_view>

#include <unicode/normalizer2.h>

namespace vellumix::detail {

// ICU's canonical normaliser: NFC for UNORM2_COMPOSE, NFD for UNORM2_DECOMPOSE.
// Null when ICU has no normalisation data.
const icu::Normalizer2* canonicalNormalizer(UNormalization2Mode mode);

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

}  // namespace vellumix::detail
