// LiteralReplacer: Find & Replace of a literal text, prepared once per rule.
//
// Every non-overlapping occurrence, left to right, is replaced. Canonically
// equivalent sequences match each other ("é" precomposed finds "e" + U+0301 and
// the other way round); when not case-sensitive, letters are compared by full
// case folding ("ss" finds "ß"). A match begins and ends between user-perceived
// characters (extended grapheme clusters, as ICU's character break iterator
// finds them): "e" does not find the "e" of "e" + U+0301, nor a heart the one
// of "❤️" (heart and variation selector). Bytes outside the matches are kept
// exactly as they were: the name is never normalised as a whole. An empty find
// text replaces nothing.
//
// Example: LiteralReplacer("JPG", "x", false).apply("IMG_jpg") == "IMG_x".
//
// Immutable once built; apply() may be called from several threads at once.
#pragma once

#include <string>
#include <string_view>

#include <unicode/unistr.h>

namespace vellumix::detail {

class LiteralReplacer {
public:
    // `find` and `replacement` must be well-formed UTF-8.
    LiteralReplacer(std::string_view find, std::string_view replacement, bool caseSensitive);

    // `text` with every occurrence replaced. REQUIRES: `text` is well-formed UTF-8.
    std::string apply(std::string_view text) const;

private:
    std::string applyAscii(std::string_view text) const;
    icu::UnicodeString keyOf(const icu::UnicodeString& text) const;

    std::string find_;
    std::string replacement_;
    bool caseSensitive_;
    bool findIsAscii_;
    std::u16string findKey_;  // the comparison form of `find_`
};

}  // namespace vellumix::detail
