// Case conversion: the six styles, their word rules, and locale independence.

#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <unicode/locid.h>

#include "engine/rename_engine.h"

namespace vellumix {
namespace {

using enum CaseOption;

struct Case {
    const char* name;
    CaseOption option;
    std::string input;
    std::string expected;
};

void expectAll(const std::vector<Case>& cases) {
    for (const Case& c : cases) {
        EXPECT_EQ(RenameEngine::applyCase(c.option, c.input), c.expected)
            << c.name << " (" << rawValue(c.option) << ")";
    }
}

TEST(CaseConversion, WordsAndLetters) {
    const std::string example = "My  holiday-photo_01";
    const std::string decomposed = "e\u0301lan vital";  // "e" + combining acute
    // clang-format off
    expectAll({
        {"example", lowercase, example, "my  holiday-photo_01"},
        {"example", uppercase, example, "MY  HOLIDAY-PHOTO_01"},
        {"example", titleCase, example, "My Holiday-photo_01"},
        {"example", camelCase, example, "myHolidayPhoto01"},
        {"example", snakeCase, example, "my_holiday_photo_01"},
        {"example", kebabCase, example, "my-holiday-photo-01"},
        {"separators only: one space word", titleCase, "--__", "--__"},
        {"separators only: input returned", camelCase, "--__", "--__"},
        {"separators only: no words", snakeCase, "--__", ""},
        {"spaces only: no space words", titleCase, "   ", ""},
        {"spaces only: input returned", camelCase, "   ", "   "},
        {"spaces only: no words", kebabCase, "   ", ""},
        {"outer separators dropped", titleCase, "  report  ", "Report"},
        {"outer separators dropped", snakeCase, "  report  ", "report"},
        {"run of spaces is one joiner", titleCase, "a  b", "A B"},
        {"run of separators is one joiner", kebabCase, "a--b", "a-b"},
        {"inner capitals lowered", titleCase, "iPhone photo", "Iphone Photo"},
        {"single word", camelCase, "Report", "report"},
        {"no split at a case change", snakeCase, "myFileName file2", "myfilename_file2"},
        {"digits have no case", titleCase, "2024 report", "2024 Report"},
        {"underscores stay in space words", titleCase, "my_file name", "My_file Name"},
        {"tab is not a space", titleCase, "a\tb c", "A\tb C"},
        {"emoji separates alphanumeric words", snakeCase, "a😀b", "a_b"},
        {"emoji stays in a space word", titleCase, "a😀b", "A😀b"},
        {"space with a combining mark stays in the word", titleCase, "x  \u0301b", "X  \u0301b"},
        {"space with a combining mark at the end", titleCase, "ab \u0301", "Ab \u0301"},
        {"accented title", titleCase, "élan vital", "Élan Vital"},
        {"combining mark is a word character", kebabCase, decomposed, "e\u0301lan-vital"},
        {"combining mark capitalised with its letter", titleCase, decomposed, "E\u0301lan Vital"},
        {"ß upper-cases to SS", uppercase, "straße", "STRASSE"},
        {"ß begins a word", titleCase, "ßa", "SSa"},
        {"ß begins a later camel word", camelCase, "a ßb", "aSSb"},
        {"ligature upper-cased, not title-cased", titleCase, "\ufb01le", "FIle"},
        {"final sigma", lowercase, "ΟΔΟΣ ΟΔΟΣ", "\u03bf\u03b4\u03bf\u03c2 \u03bf\u03b4\u03bf\u03c2"},
        {"Cyrillic", snakeCase, "Привет Мир", "привет_мир"},
        {"script without case", titleCase, "日本 語", "日本 語"},
        {"Arabic digits are numbers", camelCase, "a ٣b", "a٣b"},
        {"not UTF-8: input returned", snakeCase, "Bad\xFF name", "Bad\xFF name"},
        {"empty", camelCase, "", ""},
    });
    // clang-format on
}

TEST(CaseConversion, IndependentOfTheDefaultLocale) {
    const icu::Locale saved = icu::Locale::getDefault();
    UErrorCode status = U_ZERO_ERROR;
    icu::Locale::setDefault(icu::Locale("tr_TR"), status);  // Turkish dotted and dotless i
    expectAll({
        {"i upper-cases to I", uppercase, "istanbul", "ISTANBUL"},
        {"I lower-cases to i", lowercase, "ISTANBUL", "istanbul"},
        {"dotted capital I keeps its dot", lowercase, "İ", "i\u0307"},
        {"title case", titleCase, "izmir ılık", "Izmir Ilık"},
    });
    status = U_ZERO_ERROR;
    icu::Locale::setDefault(saved, status);
}

}  // namespace
}  // namespace vellumix
