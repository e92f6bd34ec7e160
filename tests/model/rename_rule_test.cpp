#include "model/rename_rule.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vellumix {
namespace {

template <class E>
std::vector<std::string> labels() {
    std::vector<std::string> out;
    for (E value : allCases<E>()) out.emplace_back(rawValue(value));
    return out;
}

TEST(RenameRuleTest, CasesInDeclaredOrderWithTheirLabels) {
    EXPECT_EQ(labels<RenameRule>(),
              (std::vector<std::string>{"Add Prefix", "Add Suffix", "Find & Replace",
                                        "Regex Replace", "Change Case", "Add Numbering",
                                        "Add Date", "Remove Characters", "Smart Clean Up"}));
    EXPECT_EQ(labels<CaseOption>(),
              (std::vector<std::string>{"lowercase", "UPPERCASE", "Title Case", "camelCase",
                                        "snake_case", "kebab-case"}));
    EXPECT_EQ(labels<InsertPosition>(), (std::vector<std::string>{"Before name", "After name"}));
    EXPECT_EQ(allCases<RenameRule>().front(), RenameRule::addPrefix);
    EXPECT_EQ(allCases<RenameRule>().back(), RenameRule::cleanUp);
}

TEST(RenameRuleTest, IdIsTheRawValue) {
    EXPECT_EQ(id(RenameRule::cleanUp), "Smart Clean Up");
    EXPECT_EQ(id(CaseOption::snakeCase), "snake_case");
    EXPECT_EQ(id(InsertPosition::prefix), "Before name");
}

TEST(RenameRuleTest, FromRawValueMatchesWholeLabelExactly) {
    EXPECT_EQ(fromRawValue<RenameRule>("Find & Replace"), RenameRule::replace);
    EXPECT_EQ(fromRawValue<RenameRule>("find & replace"), std::nullopt);
    EXPECT_EQ(fromRawValue<RenameRule>("Find& Replace"), std::nullopt);
    EXPECT_EQ(fromRawValue<RenameRule>("Find & Replace "), std::nullopt);
    EXPECT_EQ(fromRawValue<RenameRule>(""), std::nullopt);
    EXPECT_EQ(fromRawValue<InsertPosition>("After name"), InsertPosition::suffix);
    EXPECT_EQ(fromRawValue<CaseOption>("UPPERCASE"), CaseOption::uppercase);
    EXPECT_EQ(fromRawValue<CaseOption>("Uppercase"), std::nullopt);
}

TEST(RenameRuleTest, EveryLabelRoundTrips) {
    for (RenameRule rule : allCases<RenameRule>()) {
        EXPECT_EQ(fromRawValue<RenameRule>(rawValue(rule)), rule) << rawValue(rule);
    }
    for (CaseOption option : allCases<CaseOption>()) {
        EXPECT_EQ(fromRawValue<CaseOption>(rawValue(option)), option) << rawValue(option);
    }
}

}  // namespace
}  // namespace vellumix
