// RenameConfig: the selected rule and the parameters of all nine rules at once,
// so that switching from one rule to another and back keeps what the user typed.
//
// A plain value with the defaults the application starts with. It checks
// nothing: the rule panel keeps numbers within its ranges and the engine clamps
// or bounds whatever it must, so any value of any field is safe to compute with.
#pragma once

#include <cstdint>
#include <string>

#include "model/rename_rule.h"

namespace vellumix {

struct RenameConfig {
    // The rule that the engine applies.
    RenameRule rule = RenameRule::addPrefix;
    // Add Prefix / Add Suffix: the text put before or after the base name.
    std::string text;
    // Find & Replace / Regex Replace: the literal text to find, or the pattern.
    std::string findText;
    // Find & Replace / Regex Replace: the replacement text, or the template ($1, \$).
    std::string replaceText;
    // Find & Replace / Regex Replace: true when letters must match in case.
    bool caseSensitive = false;
    // Change Case: the style to convert the base name to.
    CaseOption caseOption = CaseOption::lowercase;
    // Add Numbering: the number of the first file of the list.
    std::int64_t numberStart = 1;
    // Add Numbering: the amount added for each further file.
    std::int64_t numberStep = 1;
    // Add Numbering: the minimum count of digits, filled with leading zeros.
    std::int64_t numberPadding = 2;
    // Add Numbering: the side of the base name on which the number goes.
    InsertPosition numberPosition = InsertPosition::suffix;
    // Add Numbering: the text between the base name and the number.
    std::string numberSeparator = "_";
    // Add Date: a pattern of date-field letters (yyyy, MM, dd, HH, mm, ss);
    // when empty, "yyyy-MM-dd" is used.
    std::string dateFormat = "yyyy-MM-dd";
    // Add Date: the side of the base name on which the date goes.
    InsertPosition datePosition = InsertPosition::suffix;
    // Add Date: the text between the base name and the date.
    std::string dateSeparator = "_";
    // Remove Characters: the first user-perceived character to remove, from 0.
    std::int64_t removeFrom = 0;
    // Remove Characters: how many user-perceived characters to remove.
    std::int64_t removeCount = 1;

    // Add Date: where the date comes from: the clock, or each file's own
    // dates (FileItem::dates); a file whose date is not known keeps its name.
    DateSource dateSource = DateSource::now;
    // Add Numbering: files of one folder that share a base name
    // (IMG_0001.JPG, IMG_0001.CR2, IMG_0001.XMP) share one number, the one
    // the first of them gets in the list; the numbers count such groups.
    bool numberCompanions = false;
};

}  // namespace vellumix
