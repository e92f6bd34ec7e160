#include "engine/regex_replace.h"

#include <cstdint>
#include <utility>

#include <unicode/parseerr.h>
#include <unicode/ustring.h>

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

std::unique_ptr<RegexReplacer::Scratch> RegexReplacer::borrow() const {
    {
        const std::lock_guard<std::mutex> lock(poolMutex_);
        if (!pool_.empty()) {
            std::unique_ptr<Scratch> scratch = std::move(pool_.back());
            pool_.pop_back();
            return scratch;
        }
    }
    auto scratch = std::make_unique<Scratch>();
    UErrorCode status = U_ZERO_ERROR;
    scratch->matcher.reset(pattern_->matcher(status));
    if (U_FAILURE(status)) return nullptr;
    // The limit stays set across reset().
    scratch->matcher->setTimeLimit(kMatchTimeLimit, status);
    return U_SUCCESS(status) ? std::move(scratch) : nullptr;
}

void RegexReplacer::giveBack(std::unique_ptr<Scratch> scratch) const {
    const std::lock_guard<std::mutex> lock(poolMutex_);
    pool_.push_back(std::move(scratch));
}

std::string RegexReplacer::apply(std::string_view text) const {
    if (!pattern_) return std::string(text);
    std::unique_ptr<Scratch> scratch = borrow();
    if (!scratch) return std::string(text);
    std::string result = applyWith(*scratch, text);
    giveBack(std::move(scratch));
    return result;
}

std::string RegexReplacer::applyWith(Scratch& scratch, std::string_view text) const {
    // The input is decoded into the scratch buffer, which keeps its capacity.
    // Well-formed UTF-8 (required) decodes without substitutions.
    icu::UnicodeString& input = scratch.input;
    input.remove();
    const auto length = static_cast<std::int32_t>(text.size());
    UErrorCode status = U_ZERO_ERROR;
    std::int32_t decoded = 0;
    char16_t* buffer = input.getBuffer(length);  // UTF-16 is never longer than UTF-8
    if (buffer == nullptr) return std::string(text);
    u_strFromUTF8WithSub(buffer, input.getCapacity(), &decoded, text.data(), length, 0xFFFD,
                         nullptr, &status);
    input.releaseBuffer(U_SUCCESS(status) ? decoded : 0);
    if (U_FAILURE(status)) return std::string(text);

    icu::RegexMatcher& matcher = *scratch.matcher;
    matcher.reset(input);
    // replaceAll() itself would hide a time-out and return the text replaced
    // up to that point; this is the same loop with every failure checked.
    icu::UnicodeString& replaced = scratch.replaced;
    replaced.remove();
    while (U_SUCCESS(status) && matcher.find(status)) {
        matcher.appendReplacement(replaced, template_, status);
    }
    if (U_FAILURE(status)) return std::string(text);
    matcher.appendTail(replaced);
    // A template may name a surrogate code unit ("\\uD800"); toUtf8 turns any
    // unpaired one into U+FFFD, so the result is always well-formed UTF-8.
    return toUtf8(replaced);
}

}  // namespace vellumix::detail
