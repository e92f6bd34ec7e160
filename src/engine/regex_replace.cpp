#include "engine/regex_replace.h"

#include <cstdint>
#include <utility>

#include <unicode/parseerr.h>

#include "engine/unicode_text.h"

namespace vellumix::detail {
namespace {

// The most work the matches in one name may take, in ICU's units of 10,000
// steps of the match engine (about a millisecond here). File names are short,
// so sensible patterns stay far below it; a pattern with runaway backtracking,
// such as "(a+)+b", stops here instead of freezing the preview, and the name
// stays unchanged.
constexpr std::int32_t kMatchTimeLimit = 10;

}  // namespace

RegexReplacer::RegexReplacer(std::string_view pattern, std::string_view replacementTemplate,
                             bool caseSensitive)
    : template_(toUtf16(replacementTemplate)) {
    // ICU accepts an empty pattern (it matches between every two characters);
    // such a pattern is refused here like an invalid one.
    if (pattern.empty()) return;
    UErrorCode status = U_ZERO_ERROR;
    UParseError parseError;
    std::unique_ptr<icu::RegexPattern> compiled(icu::RegexPattern::compile(
        toUtf16(pattern), caseSensitive ? 0 : UREGEX_CASE_INSENSITIVE, parseError, status));
    if (U_SUCCESS(status)) pattern_ = std::move(compiled);
}

std::string RegexReplacer::apply(std::string_view text) const {
    if (!pattern_) return std::string(text);
    const icu::UnicodeString input = toUtf16(text);
    UErrorCode status = U_ZERO_ERROR;
    const std::unique_ptr<icu::RegexMatcher> matcher(pattern_->matcher(input, status));
    if (U_FAILURE(status)) return std::string(text);
    matcher->setTimeLimit(kMatchTimeLimit, status);
    // replaceAll() itself would hide a time-out and return the text replaced
    // up to that point; this is the same loop with every failure checked.
    icu::UnicodeString replaced;
    while (U_SUCCESS(status) && matcher->find(status)) {
        matcher->appendReplacement(replaced, template_, status);
    }
    if (U_FAILURE(status)) return std::string(text);
    matcher->appendTail(replaced);
    // A template may name a surrogate code unit ("\\uD800"); toUtf8 turns any
    // unpaired one into U+FFFD, so the result is always well-formed UTF-8.
    return toUtf8(replaced);
}

}  // namespace vellumix::detail
