// regexPatternError: ICU's name of what is wrong with a Regex Replace pattern,
// and the character of the whole pattern where it is.

#include <optional>
#include <string>

#include <gtest/gtest.h>

#include "engine/pattern_error.h"

namespace vellumix {

TEST(RegexPatternError, NamesTheErrorAndItsCharacter) {
    struct Row {
        const char* pattern;
        std::optional<PatternError> expected;
    };
    const Row rows[] = {
        {"(\\d+)_[a-z]{2,}", std::nullopt},
        {"", std::nullopt},  // nothing typed yet
        {"(", PatternError{"U_REGEX_MISMATCHED_PAREN", 1}},
        {"abc(", PatternError{"U_REGEX_MISMATCHED_PAREN", 4}},
        {"a)", PatternError{"U_REGEX_MISMATCHED_PAREN", 2}},
        {"[", PatternError{"U_REGEX_MISSING_CLOSE_BRACKET", 1}},
        {"[z-a]", PatternError{"U_REGEX_INVALID_RANGE", 4}},
        {"x{2,1}", PatternError{"U_REGEX_MAX_LT_MIN", 6}},
        {"a**", PatternError{"U_REGEX_RULE_SYNTAX", 3}},
        // Characters, not bytes; and past line breaks, counted as ICU counts them.
        {"\xC3\xA9\xF0\x9F\x99\x82(", PatternError{"U_REGEX_MISMATCHED_PAREN", 3}},
        {"a\nb(", PatternError{"U_REGEX_MISMATCHED_PAREN", 4}},
        {"a\r\nb(", PatternError{"U_REGEX_MISMATCHED_PAREN", 5}},
        {"\xFF(", PatternError{"U_REGEX_MISMATCHED_PAREN", 2}},  // not UTF-8: read as U+FFFD
    };
    for (const Row& row : rows) {
        for (const bool caseSensitive : {false, true}) {
            const std::optional<PatternError> error = regexPatternError(row.pattern, caseSensitive);
            EXPECT_EQ(error, row.expected)
                << row.pattern << " (case-sensitive " << caseSensitive << "): "
                << (error ? error->name + " at " + std::to_string(error->position) : "none");
        }
    }
}

}  // namespace vellumix
