// User-perceived characters: the fast path that leaves plain text out of ICU's
// break iterator gives exactly the iterator's boundaries.

#include <algorithm>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <unicode/brkiter.h>
#include <unicode/locid.h>

#include "engine/graphemes.h"

namespace vellumix::detail {
namespace {

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
TEST(Graphemes, TextsSegmentAsIcuSegmentsThem) {
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

}  // namespace
}  // namespace vellumix::detail
