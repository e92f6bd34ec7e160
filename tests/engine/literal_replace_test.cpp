// LiteralReplacer: its ASCII-only fast path agrees with the general path, and
// the comparison forms it remembers per thread keep the case settings apart.

#include <string>
#include <utility>

#include <gtest/gtest.h>

#include "engine/literal_replace.h"
#include "engine/utf8.h"

namespace vellumix::detail {

// A non-ASCII letter sends a text down the general path.
TEST(LiteralReplacer, AsciiFastPathAgreesWithGeneralPath) {
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
}

TEST(LiteralReplacer, KeepsCaseSettingsApartAcrossNames) {
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

}  // namespace vellumix::detail
