// The classes of characters that the rules split and trim names by.

#include <memory>

#include <gtest/gtest.h>
#include <unicode/regex.h>

#include "engine/character_classes.h"

namespace vellumix::detail {

TEST(CharacterClasses, WhiteSpaceIsExactlyWhatIcuRegexMatchesAsBackslashS) {
    UErrorCode status = U_ZERO_ERROR;
    const std::unique_ptr<icu::RegexPattern> pattern(icu::RegexPattern::compile("\\s", 0, status));
    ASSERT_TRUE(U_SUCCESS(status));
    const std::unique_ptr<icu::RegexMatcher> matcher(pattern->matcher(status));
    for (UChar32 c = 0; c <= 0x10FFFF; ++c) {
        const icu::UnicodeString one(c);
        matcher->reset(one);
        EXPECT_EQ(isWhiteSpace(c), static_cast<bool>(matcher->matches(status))) << std::hex << c;
    }
}

}  // namespace vellumix::detail
