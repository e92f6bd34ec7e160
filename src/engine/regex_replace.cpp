#include "engine/regex_replace.h"

#include <cstdint>
#include <utility>

#include <unicode/parseerr.h>
#include <unicode/ustring.h>
#include <unicode/utf16.h>

#include "engine/utf8.h"

namespace vellumix::detail {
namespace {

// The most work the matches in one name may take, in ICU's units of 10,000
// steps of the match engine (about a millisecond here). File names are short,
// so sensible patterns stay far below it; a pattern with runaway backtracking,
// such as "(a+)+b", stops here instead of freezing the preview, and the name
// stays unchanged.
constexpr std::int32_t kMatchTimeLimit = 10;

}  // namespace

std::unique_ptr<icu::RegexPattern> compilePattern(std::string_view pattern, bool caseSensitive,
                                                  UParseError& parseError, UErrorCode& status) {
    return std::unique_ptr<icu::RegexPattern>(icu::RegexPattern::compile(
        toUtf16(pattern), caseSensitive ? 0 : UREGEX_CASE_INSENSITIVE, parseError, status));
}

RegexReplacer::RegexReplacer(std::string_view pattern, std::string_view replacementTemplate,
                             bool caseSensitive) {
    // ICU accepts an empty pattern (it matches between every two characters);
    // such a pattern is refused here like an invalid one.
    if (pattern.empty()) return;
    UErrorCode status = U_ZERO_ERROR;
    UParseError parseError;
    std::unique_ptr<icu::RegexPattern> compiled =
        compilePattern(pattern, caseSensitive, parseError, status);
    if (U_FAILURE(status)) return;
    pattern_ = std::move(compiled);
    // The group count is known to a matcher only; the first one goes to the pool.
    std::unique_ptr<Scratch> first = borrow();
    if (!first) {
        pattern_.reset();
        return;
    }
    template_ = readTemplate(toUtf16(replacementTemplate), first->matcher->groupCount());
    giveBack(std::move(first));
}

std::vector<RegexReplacer::TemplatePiece> RegexReplacer::readTemplate(
    const icu::UnicodeString& text, std::int32_t groupCount) {
    std::vector<TemplatePiece> pieces;
    const auto literal = [&pieces]() -> icu::UnicodeString& {
        if (pieces.empty() || pieces.back().group >= 0) pieces.emplace_back();
        return pieces.back().literal;
    };
    const auto isDigit = [&text](std::int32_t i) {
        return i < text.length() && text[i] >= u'0' && text[i] <= u'9';
    };
    const auto digitAt = [&text](std::int32_t i) { return text[i] - u'0'; };
    for (std::int32_t i = 0; i < text.length();) {
        if (text[i] == u'\\' && i + 1 < text.length()) {
            const UChar32 escaped = text.char32At(i + 1);
            literal().append(escaped);
            i += 1 + U16_LENGTH(escaped);
        } else if (text[i] == u'$' && isDigit(i + 1)) {
            std::int32_t group = digitAt(i + 1);
            i += 2;
            while (isDigit(i) && group * 10 + digitAt(i) <= groupCount) {
                group = group * 10 + digitAt(i++);
            }
            if (group <= groupCount) pieces.push_back({{}, group});
        } else {
            literal().append(text[i++]);
        }
    }
    return pieces;
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
    // Every failure, a time-out included, leaves the text unchanged.
    icu::UnicodeString& replaced = scratch.replaced;
    replaced.remove();
    std::int32_t copiedTo = 0;  // the end of the previous match
    while (U_SUCCESS(status) && matcher.find(status)) {
        const std::int32_t start = matcher.start(status);
        replaced.append(input, copiedTo, start - copiedTo);
        for (const TemplatePiece& piece : template_) {
            if (piece.group < 0) {
                replaced.append(piece.literal);
            } else if (const std::int32_t from = matcher.start(piece.group, status); from >= 0) {
                replaced.append(input, from, matcher.end(piece.group, status) - from);
            }
        }
        copiedTo = matcher.end(status);
    }
    if (U_FAILURE(status)) return std::string(text);
    replaced.append(input, copiedTo, input.length() - copiedTo);
    return toUtf8(replaced);
}

}  // namespace vellumix::detail
