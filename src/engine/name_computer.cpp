// Name computation: the current name is split into base name and extension,
// the base name goes through the selected rule, and the extension is joined
// back exactly as it was split off.

#include <memory>
#include <optional>
#include <string>

#include "engine/character_rules.h"
#include "engine/literal_replace.h"
#include "engine/name_computer.h"
#include "engine/numbering.h"
#include "engine/regex_replace.h"
#include "engine/utf8.h"
#include "engine/word_case.h"
#include "model/file_url.h"

namespace vellumix {
namespace detail {

// What the selected rule needs beyond the configuration, built once.
struct NameComputer::Prepared {
    std::optional<LiteralReplacer> literal;  // replace
    std::optional<RegexReplacer> regex;      // regexReplace
};

NameComputer::NameComputer(const RenameConfig& config)
    : config_(config), prepared_(std::make_unique<Prepared>()) {
    // Texts of the configuration that are not well-formed UTF-8 (possible
    // through the API, never from the window) are decoded with U+FFFD for each
    // ill-formed sequence, so a well-formed name always gives a well-formed name.
    for (std::string* text :
         {&config_.text, &config_.findText, &config_.replaceText, &config_.numberSeparator,
          &config_.dateFormat, &config_.dateSeparator}) {
        if (!isValidUtf8(*text)) *text = toWellFormedUtf8(*text);
    }
    switch (config_.rule) {
        case RenameRule::replace:
            prepared_->literal.emplace(config_.findText, config_.replaceText,
                                       config_.caseSensitive);
            break;
        case RenameRule::regexReplace:
            prepared_->regex.emplace(config_.findText, config_.replaceText, config_.caseSensitive);
            break;
        default:
            break;
    }
}

NameComputer::~NameComputer() = default;

std::string NameComputer::nameFor(std::string_view currentName, std::int64_t index,
                                  const std::string* dateText) const {
    // On Linux a name is bytes; one that is not UTF-8 has no characters to
    // work on and is never altered.
    if (!isValidUtf8(currentName)) return std::string(currentName);
    const std::size_t dot = extensionDot(currentName);
    const std::string_view base = currentName.substr(0, dot);
    const std::string_view extension =
        dot == std::string_view::npos ? std::string_view() : currentName.substr(dot);

    // `part` and `separator` before the base name, or the base name and them.
    const auto insert = [&base](std::string_view part, std::string_view separator,
                                InsertPosition position) {
        std::string out;
        if (position == InsertPosition::prefix) {
            out.append(part).append(separator).append(base);
        } else {
            out.append(base).append(separator).append(part);
        }
        return out;
    };

    std::string name;
    switch (config_.rule) {
        case RenameRule::addPrefix:
            name.append(config_.text).append(base);
            break;
        case RenameRule::addSuffix:
            name.append(base).append(config_.text);
            break;
        case RenameRule::replace:
            name = prepared_->literal->apply(base);
            break;
        case RenameRule::regexReplace:
            name = prepared_->regex->apply(base);
            break;
        case RenameRule::caseChange:
            name = applyCaseStyle(config_.caseOption, base);
            break;
        case RenameRule::addNumber: {
            const std::string number =
                formatNumber(sequenceNumber(config_.numberStart, config_.numberStep, index),
                             config_.numberPadding);
            name = insert(number, config_.numberSeparator, config_.numberPosition);
            break;
        }
        case RenameRule::addDate:
            if (dateText != nullptr) {
                name = insert(*dateText, config_.dateSeparator, config_.datePosition);
            } else {
                name = base;
            }
            break;
        case RenameRule::removeChars:
            name = removeCharacters(base, config_.removeFrom, config_.removeCount);
            break;
        case RenameRule::cleanUp:
            name = cleanUp(base);
            break;
        default:  // a value outside the enumeration: nothing to apply
            name = base;
            break;
    }
    name.append(extension);
    return name;
}

}  // namespace detail
}  // namespace vellumix
