#include "engine/character_classes.h"

#include <unicode/uchar.h>
#include <unicode/unistr.h>

namespace vellumix::detail {

const icu::UnicodeSet* frozenSet(const char16_t* pattern) {
    UErrorCode status = U_ZERO_ERROR;
    auto* set = new icu::UnicodeSet(icu::UnicodeString(pattern), status);
    if (U_FAILURE(status)) set->clear();
    set->freeze();
    return set;  // lives as long as the program
}

bool isAlphanumeric(UChar32 c) {
    return (U_GET_GC_MASK(c) & (U_GC_L_MASK | U_GC_M_MASK | U_GC_N_MASK)) != 0;
}

bool isWhiteSpace(UChar32 c) {
    static const icu::UnicodeSet* const whiteSpace = frozenSet(u"[:White_Space:]");
    return whiteSpace->contains(c);
}

bool isHorizontalSpace(UChar32 c) {
    return c == '\t' || u_charType(c) == U_SPACE_SEPARATOR;
}

}  // namespace vellumix::detail
