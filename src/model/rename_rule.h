// The three closed enumerations of the rule panel: which rule renames, which
// letter-case style the case rule produces, and on which side of the name a
// number or a date goes.
//
// Every case carries a fixed label, its raw value, which is at once the text
// shown in the pickers and the case's identity. The declared order is the
// picker order. Values are plain, freely copied and thread-agnostic.
#pragma once

#include <array>
#include <optional>
#include <span>
#include <string_view>

namespace vellumix {

enum class RenameRule {
    addPrefix,
    addSuffix,
    replace,
    regexReplace,
    caseChange,
    addNumber,
    addDate,
    removeChars,
    cleanUp,
};

enum class CaseOption { lowercase, uppercase, titleCase, camelCase, snakeCase, kebabCase };

enum class InsertPosition { prefix, suffix };

// Add Date: where the date comes from. Labels "Now", "Date Modified", "Date Taken".
enum class DateSource { now, modified, taken };

// The label of a case, character for character: rawValue(RenameRule::replace) == "Find & Replace".
constexpr std::string_view rawValue(RenameRule rule) {
    switch (rule) {
        case RenameRule::addPrefix: return "Add Prefix";
        case RenameRule::addSuffix: return "Add Suffix";
        case RenameRule::replace: return "Find & Replace";
        case RenameRule::regexReplace: return "Regex Replace";
        case RenameRule::caseChange: return "Change Case";
        case RenameRule::addNumber: return "Add Numbering";
        case RenameRule::addDate: return "Add Date";
        case RenameRule::removeChars: return "Remove Characters";
        case RenameRule::cleanUp: return "Smart Clean Up";
    }
    return {};
}

// Each label is written in the style that it names.
constexpr std::string_view rawValue(CaseOption option) {
    switch (option) {
        case CaseOption::lowercase: return "lowercase";
        case CaseOption::uppercase: return "UPPERCASE";
        case CaseOption::titleCase: return "Title Case";
        case CaseOption::camelCase: return "camelCase";
        case CaseOption::snakeCase: return "snake_case";
        case CaseOption::kebabCase: return "kebab-case";
    }
    return {};
}

constexpr std::string_view rawValue(InsertPosition position) {
    switch (position) {
        case InsertPosition::prefix: return "Before name";
        case InsertPosition::suffix: return "After name";
    }
    return {};
}

constexpr std::string_view rawValue(DateSource source) {
    switch (source) {
        case DateSource::now: return "Now";
        case DateSource::modified: return "Date Modified";
        case DateSource::taken: return "Date Taken";
    }
    return {};
}

// The identity used by lists and pickers: the raw value itself. Part of the
// library's interface for other programs, though the application needs only
// rawValue.
constexpr std::string_view id(RenameRule rule) { return rawValue(rule); }
constexpr std::string_view id(CaseOption option) { return rawValue(option); }
constexpr std::string_view id(InsertPosition position) { return rawValue(position); }
constexpr std::string_view id(DateSource source) { return rawValue(source); }

namespace detail {
template <class E>
struct Cases;
template <>
struct Cases<RenameRule> {
    static constexpr std::array values{
        RenameRule::addPrefix,   RenameRule::addSuffix, RenameRule::replace,
        RenameRule::regexReplace, RenameRule::caseChange, RenameRule::addNumber,
        RenameRule::addDate,     RenameRule::removeChars, RenameRule::cleanUp,
    };
};
template <>
struct Cases<CaseOption> {
    static constexpr std::array values{
        CaseOption::lowercase, CaseOption::uppercase, CaseOption::titleCase,
        CaseOption::camelCase, CaseOption::snakeCase, CaseOption::kebabCase,
    };
};
template <>
struct Cases<InsertPosition> {
    static constexpr std::array values{InsertPosition::prefix, InsertPosition::suffix};
};
template <>
struct Cases<DateSource> {
    static constexpr std::array values{DateSource::now, DateSource::modified, DateSource::taken};
};
}  // namespace detail

// Every case of E, in declared order.
template <class E>
constexpr std::span<const E> allCases() {
    return detail::Cases<E>::values;
}

// The case whose label equals `label` exactly (whole text, same capitals), or nothing.
// Example: fromRawValue<RenameRule>("Find & Replace") == RenameRule::replace,
//          fromRawValue<RenameRule>("find & replace") == std::nullopt.
template <class E>
constexpr std::optional<E> fromRawValue(std::string_view label) {
    for (E value : allCases<E>()) {
        if (rawValue(value) == label) return value;
    }
    return std::nullopt;
}

}  // namespace vellumix
