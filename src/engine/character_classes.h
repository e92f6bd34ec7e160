// Code points: the classes of characters that the rules split and trim names
// by, answered from ICU's character properties. All are pure and thread-safe.
#pragma once

#include <unicode/umachine.h>
#include <unicode/uniset.h>

namespace vellumix::detail {

// Alphanumeric: general category L (letters), M (marks) or N (numbers).
bool isAlphanumeric(UChar32 c);

// White space as ICU's regular expressions match "\s": the Unicode White_Space
// property (tab, line breaks, Zs, U+0085, U+2028, U+2029).
bool isWhiteSpace(UChar32 c);

// The trimming set: general category Zs and the tab (no line breaks).
bool isHorizontalSpace(UChar32 c);

// A new frozen set of the code points of a property pattern such as
// u"[:White_Space:]": it answers contains() from lookup tables, faster than a
// property query. Empty when ICU lacks the data. Never freed: keep it in a
// function-local static, built once per pattern.
const icu::UnicodeSet* frozenSet(const char16_t* pattern);

}  // namespace vellumix::detail
