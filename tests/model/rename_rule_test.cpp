#include "model/rename_rule.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vellumix {
namespace {

template <class E>
std::vector<std::string> labels() {
    std::vector<std::string> out;
    for (E value : allCases<E>())
        out.emplace_back(rawValue(value));
    return out;
}

TEST(RenameRuleTest, CasesInDeclaredOrderWithTheirLabels) {
    EXPECT_EQ(labels<RenameRule>(),
              (std::vector<std::string>{"Add Prefix", "Add Suffix", "Find & Replace",
                                        "Regex Replace", "Change Case", "Add Numbering", "Add Date",
                                        "Remove Characters", "Smart Clean Up"}));
    EXPECT_EQ(labels<CaseOption>(),
              (std::vector<std::string>{"lowercase", "UPPERCASE", "Title Case", "camelCase",
                                        "snake_case", "kebab-case"}));
    EXPECT_EQ(labels<InsertPosition>(), (std::vector<std::string>{"Before name", "After name"}));
}

TEST(RenameRuleTest, FromRawValueMatchesWholeLabelExactly) {
    for (RenameRule rule : allCases<RenameRule>()) {
        EXPECT_EQ(fromRawValue<RenameRule>(rawValue(rule)), rule) << rawValue(rule);
    }
    for (CaseOption option : allCases<CaseOption>())
        EXPECT_EQ(fromRawValue<CaseOption>(rawValue(option)), option) << rawValue(option);
    EXPECT_EQ(fromRawValue<InsertPosition>("After name"), InsertPosition::suffix);
    for (const char* label : {"find & replace", "Find& Replace", "Find & Replace ", ""})
        EXPECT_EQ(fromRawValue<RenameRule>(label), std::nullopt) << label;
    EXPECT_EQ(fromRawValue<CaseOption>("Uppercase"), std::nullopt);
}

}  // namespace
}  // namespace vellumix
