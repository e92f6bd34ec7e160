// The Unicode helpers under the rules, and their ASCII-only fast paths checked
// against ICU's general paths.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <unicode/brkiter.h>
#include <unicode/locid.h>
#include <unicode/regex.h>

#include "engine/literal_replace.h"
#include "engine/unicode_text.h"

namespace vellumix::detail {
namespace {

TEST(UnicodeText, WhiteSpaceIsExactlyWhatIcuRegexMatchesAsBackslashS) {
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

// The boundaries ICU's character break iterator gives for the whole text at
// once, as UTF-8 byte offsets.
std::vector<std::size_t> icuBoundaries(const std::string& utf8) {
    UErrorCode status = U_ZERO_ERROR;
    const std::unique_ptr<icu::BreakIterator> breaks(
        icu::BreakIterator::createCharacterInstance(icu::Locale::getRoot(), status));
    const icu::UnicodeString text = icu::UnicodeString::fromUTF8(utf8);
    breaks->setText(text);
    std::vector<std::size_t> boundaries;
    std::size_t bytes = 0;
    for (std::int32_t at = breaks->first(), previous = 0; at != icu::BreakIterator::DONE;
         previous = at, at = breaks->next()) {
        std::string piece;
        text.tempSubStringBetween(previous, at).toUTF8String(piece);
        bytes += piece.size();
        boundaries.push_back(bytes);
    }
    return boundaries;
}

TEST(UnicodeText, AsciiPairsSegmentAsIcuSegmentsThem) {
    for (int a = 0; a < 0x80; ++a) {
        for (int b = 0; b < 0x80; ++b) {
            const std::string text = {static_cast<char>(a), static_cast<char>(b)};
            EXPECT_EQ(graphemeBoundaries(text), icuBoundaries(text)) << a << " " << b;
        }
    }
}

// Texts mixing letters of several scripts with marks, joiners, emoji
// sequences, flags, Hangul jamo, Indic conjuncts, controls and line breaks
// segment exactly as ICU segments the whole text in one pass.
TEST(UnicodeText, MixedTextsSegmentAsIcuSegmentsThem) {
    const std::vector<std::string> parts = {
        "a",      " ",      "\r",     "\n",     "\x01",   "\u0301", "\u200d", "👍",
        "🏽",   "🇩",      "🇪",      "©",      "\ufe0f", "\u1100", "\u1161", "\u11a8",
        "\uac00", "\u0600", "\u0903", "\u0915", "\u094d", "\u0937", "é",      "日",
        "Ж",      "_",      "\t",     "\u0085", "\u2028", "\u0e33"};
    std::uint32_t seed = 12345;
    const auto next = [&seed] { return (seed = seed * 1103515245u + 12345u) >> 16; };
    for (int round = 0; round < 20000; ++round) {
        std::string text;
        for (std::uint32_t n = next() % 12; n > 0; --n)
            text += parts[next() % parts.size()];
        const std::vector<std::size_t> expected = icuBoundaries(text);
        ASSERT_EQ(graphemeBoundaries(text), expected) << text;
        ASSERT_EQ(firstGraphemeEnd(text), expected.size() > 1 ? expected[1] : 0) << text;
    }
}

TEST(UnicodeText, AsciiCaseFastPathAgreesWithIcu) {
    std::string ascii;
    for (int c = 0; c < 0x80; ++c)
        ascii += static_cast<char>(c);
    EXPECT_EQ(toLowerFull(ascii) + "é", toLowerFull(ascii + "É"));
    EXPECT_EQ(toUpperFull(ascii) + "É", toUpperFull(ascii + "é"));
}

TEST(UnicodeText, AsciiReplaceFastPathAgreesWithGeneralPath) {
    struct Row {
        std::string text;
        std::string find;
    };
    const std::vector<Row> rows = {{"Hello World", "o"}, {"aaaa", "aa"},  {"ABab", "aB"},
                                   {"a.b*c", ".b*"},     {"x", "xy"},     {"", "a"},
                                   {"KkSs", "k"},        {"tab\tx", "\t"}};
    for (const Row& row : rows) {
        for (const bool caseSensitive : {true, false}) {
            const LiteralReplacer replacer(row.find, "<>", caseSensitive);
            // A trailing non-ASCII letter sends the text down the general path.
            EXPECT_EQ(replacer.apply(row.text) + "é", replacer.apply(row.text + "é"))
                << row.text << " / " << row.find << " " << caseSensitive;
        }
    }
}

}  // namespace
}  // namespace vellumix::detail
