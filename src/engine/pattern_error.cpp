#include "engine/pattern_error.h"

#include <unicode/parseerr.h>
#include <unicode/utypes.h>

#include "engine/regex_replace.h"
#include "engine/utf8.h"

namespace vellumix {
namespace {

// ICU tells where it found an error as a line and a column (both counted from
// 1), with its own line breaks: CR, LF, CR LF, NEL and LS. The same place as a
// code point of the whole pattern, for a pattern of one line its column.
std::int64_t positionOf(const UParseError& error, const icu::UnicodeString& pattern) {
    std::int32_t line = 1;
    std::int32_t column = 0;
    std::int64_t position = 0;
    UChar32 previous = 0;
    for (std::int32_t i = 0;
         i < pattern.length() && !(line == error.line && column == error.offset);
         i = pattern.moveIndex32(i, 1)) {
        const UChar32 c = pattern.char32At(i);
        ++position;
        if (c == u'\r' || c == 0x85 || c == 0x2028 || (c == u'\n' && previous != u'\r')) {
            ++line;
            column = 0;
        } else if (c != u'\n') {
            ++column;
        }
        previous = c;
    }
    return position;
}

}  // namespace

std::optional<PatternError> regexPatternError(std::string_view pattern, bool caseSensitive) {
    if (pattern.empty()) return std::nullopt;
    UErrorCode status = U_ZERO_ERROR;
    UParseError parseError{};
    const auto compiled = detail::compilePattern(pattern, caseSensitive, parseError, status);
    if (U_SUCCESS(status)) return std::nullopt;
    return PatternError{u_errorName(status), positionOf(parseError, detail::toUtf16(pattern))};
}

}  // namespace vellumix
