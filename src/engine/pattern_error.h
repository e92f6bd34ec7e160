// PatternError: why a Regex Replace pattern does not compile, in ICU's words,
// so that the user is told instead of seeing every name stay as it is.
//
// Example: regexPatternError("a(", false)
//          == PatternError{"U_REGEX_MISMATCHED_PAREN", 2}.
//
// Pure and thread-safe.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace vellumix {

struct PatternError {
    // ICU's name of the error (u_errorName), e.g. "U_REGEX_MISSING_CLOSE_BRACKET".
    std::string name;
    // Where ICU found it: a code point of the pattern, counted from 1. At the
    // end of the pattern for what is missing there (a closing parenthesis).
    std::int64_t position = 0;

    friend bool operator==(const PatternError&, const PatternError&) = default;
};

// Why `pattern` does not compile as Regex Replace compiles it (with the same
// case sensitivity), or none when it compiles. An empty pattern, which the rule
// leaves alone as well, is none too: there is nothing in it to point at. Text
// that is not well-formed UTF-8 is read as the rule reads it, each ill-formed
// sequence as U+FFFD.
std::optional<PatternError> regexPatternError(std::string_view pattern, bool caseSensitive);

}  // namespace vellumix
