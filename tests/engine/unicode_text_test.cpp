// The Unicode helpers under the rules, and their ASCII-only fast paths checked
// against ICU's general paths.

#include <algorithm>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <unicode/brkiter.h>
#include <unicode/locid.h>
#include <unicode/regex.h>

#include "engine/character_rules.h"
#include "engine/literal_replace.h"
#include "engine/unicode_text.h"
#include "engine/word_case.h"

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

// Every pair of ASCII characters, and random mixes of letters, marks, joiners,
// emoji, flags, jamo, conjuncts and line breaks, segment as ICU segments them.
TEST(UnicodeText, TextsSegmentAsIcuSegmentsThem) {
    for (int a = 0; a < 0x80; ++a) {
        for (int b = 0; b < 0x80; ++b) {
            const std::string text = {static_cast<char>(a), static_cast<char>(b)};
            ASSERT_EQ(graphemeBoundaries(text), icuBoundaries(text)) << a << " " << b;
        }
    }
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
        for (std::size_t at = 0; at <= text.size(); ++at) {  // at every code point
            if (at < text.size() && (static_cast<unsigned char>(text[at]) & 0xC0) == 0x80) continue;
            ASSERT_EQ(isGraphemeBoundary(text, at), std::ranges::binary_search(expected, at))
                << text << " at " << at;
        }
    }
}

// A non-ASCII letter sends a text down the general path, which must agree with
// the ASCII-only fast paths.
TEST(UnicodeText, AsciiFastPathsAgreeWithGeneralPaths) {
    std::string ascii;
    for (int c = 0; c < 0x80; ++c)
        ascii += static_cast<char>(c);
    EXPECT_EQ(toLowerFull(ascii) + "\u00E9", toLowerFull(ascii + "\u00C9"));
    EXPECT_EQ(toUpperFull(ascii) + "\u00C9", toUpperFull(ascii + "\u00E9"));
    const std::pair<std::string, std::string> rows[] = {
        // text, find
        {"Hello World", "o"}, {"aaaa", "aa"},  {"ABab", "aB"},  {"a.b*c", ".b*"},
        {"x", "xy"},          {"", "a"},       {"KkSs", "k"},   {"tab\tx", "\t"},
        {"a\r\n\r", "\r"},    {"\r\nb", "\n"}, {"\r\n", "\r\n"}};
    for (const auto& [text, find] : rows) {
        for (const bool caseSensitive : {true, false}) {
            const LiteralReplacer replacer(find, "<>", caseSensitive);
            EXPECT_EQ(replacer.apply(text) + "\u00E9", replacer.apply(text + "\u00E9"))
                << text << " / " << find << " " << caseSensitive;
        }
    }
    // Clean Up and Title Case: a leading "é " adds one word, "É".
    const auto withWord = [](const std::string& rest) {
        return rest.empty() ? std::string("\xC3\x89") : "\xC3\x89 " + rest;
    };
    std::vector<std::string> texts = {"__notes__", "  x  ",    "\r\nab", "a\tb\vc\fd",
                                      "A-B.C_D",   "iPHONE_x", "",       "\x1c\x1f\x7f"};
    for (int first = 0; first < 0x80; ++first) {
        for (int second = 0; second < 0x80; ++second) {
            texts.push_back(std::string("a") + static_cast<char>(first) + "B" +
                            static_cast<char>(second) + "c");
        }
    }
    for (const std::string& text : texts) {
        const std::string general = "\xC3\xA9 " + text;
        ASSERT_EQ(withWord(cleanUp(text)), cleanUp(general)) << "cleanUp of " << text;
        ASSERT_EQ(withWord(capitaliseSpaceWords(text)), capitaliseSpaceWords(general))
            << "title case of " << text;
    }
}

TEST(UnicodeText, Utf8ValidationAtEveryPositionOfALongAsciiRun) {
    // The ASCII run is checked eight bytes at a time: an ill-formed or
    // multi-byte sequence must be seen wherever it falls in or after the run.
    struct Row {
        const char* name;
        std::string sequence;
        bool valid;
    };
    const std::vector<Row> rows = {{"two-byte é", "\xC3\xA9", true},
                                   {"four-byte emoji", "\xF0\x9F\x98\x80", true},
                                   {"lone continuation", "\x80", false},
                                   {"truncated", "\xC3", false},
                                   {"overlong slash", "\xC0\xAF", false},
                                   {"surrogate", "\xED\xA0\x80", false},
                                   {"past U+10FFFF", "\xF4\x90\x80\x80", false},
                                   {"byte FF", "\xFF", false}};
    for (const Row& row : rows) {
        for (std::size_t at = 0; at <= 20; ++at) {
            const std::string text = std::string(at, 'a') + row.sequence + std::string(at % 9, 'b');
            EXPECT_EQ(isValidUtf8(text), row.valid) << row.name << " after " << at << " bytes";
            EXPECT_FALSE(isAscii(text)) << row.name << " after " << at << " bytes";
        }
    }
    EXPECT_TRUE(isValidUtf8(std::string(37, 'x')));
    EXPECT_TRUE(isAscii(std::string(37, 'x')));
}

TEST(UnicodeText, CanonicalEqualityAgreesWithComparingNfcForms) {
    struct Row {
        const char* name;
        std::string a;
        std::string b;
        bool equal;
    };
    const std::string composed = "caf\xC3\xA9";     // café, precomposed é
    const std::string decomposed = "cafe\xCC\x81";  // café, e + U+0301
    const std::vector<Row> rows = {
        {"composed and decomposed", composed, decomposed, true},
        {"both NFC, different", composed, "caf\xC3\xA8", false},
        {"decomposed, different letter", decomposed, "cafe\xCC\x80", false},
        {"marks in another order, same meaning", "a\xCC\xA3\xCC\x81", "a\xCC\x81\xCC\xA3", true},
        {"ASCII and its accented form", "cafe", composed, false},
        {"case differs", composed, "CAF\xC3\x89", false},
        {"not UTF-8, different bytes", "caf\xE9", composed, false},
        {"singleton: Ohm sign and Omega", "\xE2\x84\xA6", "\xCE\xA9", true},
        {"Hangul syllable and its jamo", "\xEA\xB0\x81", "\xE1\x84\x80\xE1\x85\xA1\xE1\x86\xA8",
         true},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(canonicallyEqual(row.a, row.b), row.equal) << row.name;
        EXPECT_EQ(canonicallyEqual(row.b, row.a), row.equal) << row.name << " (swapped)";
        for (const std::string& text : {row.a, row.b}) {
            EXPECT_EQ(isNfc(text), toNfc(text) == text) << row.name << ": is " << text << " NFC";
        }
        if (isValidUtf8(row.a) && isValidUtf8(row.b)) {
            EXPECT_EQ(canonicallyEqualWellFormed(row.a, row.b), row.equal) << row.name;
        }
    }
}

TEST(UnicodeText, ReplaceKeepsCaseSettingsApartAcrossNames) {
    // The comparison forms of letters are remembered from name to name, for
    // each case setting on its own; many distinct letters must not confuse them.
    const LiteralReplacer ignoringCase("\xC3\x89", "x", false);  // find "É"
    const LiteralReplacer matchingCase("\xC3\x89", "x", true);
    const std::string text = "\xC3\xA9\xC3\x89 e\xCC\x81";  // "éÉ é" (the last decomposed)
    const auto check = [&](const char* when) {
        EXPECT_EQ(ignoringCase.apply(text), "xx x") << when;
        EXPECT_EQ(matchingCase.apply(text), "\xC3\xA9x e\xCC\x81") << when;
    };
    check("first");
    for (char32_t c = 0xC0; c < 0x2000; ++c) {  // thousands of distinct letters
        const std::string letter = toUtf8(icu::UnicodeString(static_cast<UChar32>(c)));
        (void)ignoringCase.apply(letter + "a");
        (void)matchingCase.apply(letter + "a");
    }
    check("after many letters");
}

}  // namespace
}  // namespace vellumix::detail
