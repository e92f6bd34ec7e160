// The six case styles, and the word-level case helpers they share with the
// clean-up rule.
// They work on well-formed UTF-8 and count user-perceived characters
// (extended grapheme clusters); case mapping is full and locale-independent.
#pragma once

#include <string>
#include <string_view>

#include "model/rename_rule.h"

namespace vellumix::detail {

// The first user-perceived character upper-cased, the rest lower-cased.
// Example: capitalise("iPHONE") == "Iphone"; capitalise("ßa") == "SSa".
std::string capitalise(std::string_view word);

// The text cut into space words (at every user-perceived character that is
// exactly U+0020; a space carrying a combining mark does not cut), empty pieces
// dropped, each word capitalised, joined with one space.
// Example: capitaliseSpaceWords("  my_file  name ") == "My_file Name".
std::string capitaliseSpaceWords(std::string_view text);

// `text` rewritten in the case style `option` (RenameEngine::applyCase).
std::string applyCaseStyle(CaseOption option, std::string_view text);

}  // namespace vellumix::detail
