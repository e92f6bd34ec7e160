// User-perceived characters (extended grapheme clusters) of well-formed UTF-8,
// exactly as ICU's character break iterator finds them. The iterator however
// sees only the pieces of text around marks, joiners, emoji sequences and the
// like; plain letters, digits and punctuation of any script are counted one by
// one without it. All are pure and thread-safe.
#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

namespace vellumix::detail {

// The byte offsets at which the characters begin, followed by the text's size.
// "" gives {0}; "e\u0301x" gives {0, 3, 4}.
std::vector<std::size_t> graphemeBoundaries(std::string_view utf8);

// The byte offset at which the first character ends (0 for "").
std::size_t firstGraphemeEnd(std::string_view utf8);

// True when byte offset `at` is one of graphemeBoundaries(utf8), asking ICU
// only about the piece around it.
// REQUIRES: `at` is at most the size and not inside a UTF-8 sequence.
bool isGraphemeBoundary(std::string_view utf8, std::size_t at);

// Makes on the calling thread what ICU makes on its first use by the
// functions above and by the canonical normaliser (normalization.h), so that
// threads started afterwards find it made. ICU guards that first use with
// locks of its own, which a race detector cannot see into.
void prepareUnicodeData();

}  // namespace vellumix::detail
