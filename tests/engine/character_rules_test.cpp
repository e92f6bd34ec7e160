// Smart Clean Up: its ASCII-only fast path, and that of the Title Case it ends
// with, agree with the general paths.

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "engine/character_rules.h"
#include "engine/word_case.h"

namespace vellumix::detail {

TEST(CharacterRules, AsciiFastPathsAgreeWithGeneralPaths) {
    // A leading "é " sends a text down the general paths and adds one word, "É".
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

}  // namespace vellumix::detail
