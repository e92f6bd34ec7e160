// Fuzzes the name computation: any configuration (every rule, any integer,
// any text, patterns and date formats that do not compile) over any name,
// valid UTF-8 or not, with a fixed clock.
//
// Beyond "no crash, no leak, no undefined behaviour" it checks what every rule
// promises:
//   - the extension part of the name (from its last dot) is never changed;
//   - a name that is not valid UTF-8 comes back unchanged;
//   - a valid name gives a valid UTF-8 result, whatever the texts hold;
//   - clean-up leaves single spaces between words and no separator that is a
//     character of its own, removing characters takes out one stretch, an
//     empty find text or pattern changes nothing, and the case rule converts
//     the base name alone;
//   - the same inputs give the same name twice;
//   - lowercase, uppercase, snake_case and kebab-case are idempotent.
#include <fuzzer/FuzzedDataProvider.h>
#include <unicode/uchar.h>
#include <unicode/utf8.h>

#include <chrono>
#include <cstdint>
#include <string>

#include "engine/rename_engine.h"
#include "fuzz_check.h"
#include "model/file_item.h"
#include "model/file_url.h"
#include "model/rename_config.h"
#include "model/rename_rule.h"

namespace {

using vellumix::CaseOption;
using vellumix::InsertPosition;
using vellumix::RenameConfig;
using vellumix::RenameEngine;
using vellumix::RenameRule;
using vellumix::fuzz::escaped;
using vellumix::fuzz::fail;
using vellumix::fuzz::wellFormedUtf8;

template <class E>
E pick(FuzzedDataProvider& data) {
    const auto cases = vellumix::allCases<E>();
    return cases[data.ConsumeIntegralInRange<std::size_t>(0, cases.size() - 1)];
}

// Mostly values near the rule panel's ranges, sometimes anything at all.
std::int64_t anyInteger(FuzzedDataProvider& data) {
    switch (data.ConsumeIntegralInRange<int>(0, 3)) {
        case 0:
            return data.ConsumeIntegralInRange<std::int64_t>(-3, 12);
        case 1:
            return data.ConsumeIntegralInRange<std::int64_t>(-100000, 100000);
        case 2:
            return data.ConsumeBool() ? INT64_MIN : INT64_MAX;
        default:
            return data.ConsumeIntegral<std::int64_t>();
    }
}

// True when the code point at byte `at` of `text` continues the grapheme
// cluster before it (a combining mark, a joiner, a spacing mark).
bool extendsCluster(std::string_view text, std::size_t at) {
    if (at >= text.size()) return false;
    const auto* s = reinterpret_cast<const std::uint8_t*>(text.data());
    auto i = static_cast<std::int32_t>(at);
    UChar32 c;
    U8_NEXT(s, i, static_cast<std::int32_t>(text.size()), c);
    if (c < 0) return false;
    const auto kind = u_getIntPropertyValue(c, UCHAR_GRAPHEME_CLUSTER_BREAK);
    return kind == U_GCB_EXTEND || kind == U_GCB_ZWJ || kind == U_GCB_SPACING_MARK;
}

// True when the "_", "-" or "." at byte `at` of `text` is not a user-perceived
// character of its own: a mark or joiner extends it, or a prepended sign (such
// as U+0600) holds it.
bool heldInCluster(std::string_view text, std::size_t at) {
    if (extendsCluster(text, at + 1)) return true;
    if (at == 0) return false;
    const auto* s = reinterpret_cast<const std::uint8_t*>(text.data());
    auto i = static_cast<std::int32_t>(at);
    UChar32 c;
    U8_PREV(s, 0, i, c);
    return c >= 0 && u_getIntPropertyValue(c, UCHAR_GRAPHEME_CLUSTER_BREAK) == U_GCB_PREPEND;
}

std::string describe(const RenameConfig& c, std::string_view name, std::int64_t index) {
    std::string out = "rule=" + std::string(vellumix::rawValue(c.rule));
    out += " text='" + escaped(c.text) + "' find='" + escaped(c.findText) + "' replace='" +
           escaped(c.replaceText) + "' caseSensitive=" + (c.caseSensitive ? "1" : "0");
    out += " case=" + std::string(vellumix::rawValue(c.caseOption));
    out += " start=" + std::to_string(c.numberStart) + " step=" + std::to_string(c.numberStep) +
           " padding=" + std::to_string(c.numberPadding) + " numberSep='" +
           escaped(c.numberSeparator) + "'";
    out += " dateFormat='" + escaped(c.dateFormat) + "' dateSep='" + escaped(c.dateSeparator) + "'";
    out += " removeFrom=" + std::to_string(c.removeFrom) +
           " removeCount=" + std::to_string(c.removeCount);
    out += " index=" + std::to_string(index) + " name='" + escaped(name) + "'";
    return out;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    FuzzedDataProvider data(bytes, size);

    RenameConfig config;
    config.rule = pick<RenameRule>(data);
    config.caseOption = pick<CaseOption>(data);
    config.numberPosition = pick<InsertPosition>(data);
    config.datePosition = pick<InsertPosition>(data);
    config.caseSensitive = data.ConsumeBool();
    config.numberStart = anyInteger(data);
    config.numberStep = anyInteger(data);
    config.numberPadding = anyInteger(data);
    config.removeFrom = anyInteger(data);
    config.removeCount = anyInteger(data);
    const std::int64_t index = anyInteger(data);
    // Any instant the clock can hold, nanoseconds either side of 1970.
    const std::chrono::system_clock::time_point now{
        std::chrono::system_clock::duration(data.ConsumeIntegral<std::int64_t>())};

    config.text = data.ConsumeRandomLengthString(48);
    config.findText = data.ConsumeRandomLengthString(48);
    config.replaceText = data.ConsumeRandomLengthString(48);
    config.numberSeparator = data.ConsumeRandomLengthString(16);
    config.dateFormat = data.ConsumeRandomLengthString(32);
    config.dateSeparator = data.ConsumeRandomLengthString(16);
    const std::string rawName = data.ConsumeRemainingBytesAsString();

    const vellumix::FileItem file(vellumix::FileUrl("/fuzz/" + rawName));
    const std::string name = file.currentName();

    const std::string result = RenameEngine::compute(config, file, index, now);
    if (RenameEngine::compute(config, file, index, now) != result) {
        fail("the same inputs gave two different names", describe(config, name, index));
    }

    const std::size_t dot = vellumix::extensionDot(name);
    if (dot != std::string::npos) {
        const std::string_view extensionPart = std::string_view(name).substr(dot);
        if (result.size() < extensionPart.size() ||
            std::string_view(result).substr(result.size() - extensionPart.size()) !=
                extensionPart) {
            fail("the extension part changed",
                 describe(config, name, index) + "\nresult='" + escaped(result) + "'");
        }
    }

    const bool nameValid = wellFormedUtf8(name);
    if (!nameValid && result != name) {
        fail("a name that is not UTF-8 was altered",
             describe(config, name, index) + "\nresult='" + escaped(result) + "'");
    }
    // Texts that are not UTF-8 are decoded with U+FFFD by the engine, so a
    // valid name gives a valid result whatever the configuration holds.
    if (nameValid && !wellFormedUtf8(result)) {
        fail("a valid name gave a result that is not UTF-8",
             describe(config, name, index) + "\nresult='" + escaped(result) + "'");
    }

    // What some rules promise about the new base name.
    if (nameValid) {
        const std::size_t extensionLength = dot == std::string::npos ? 0 : name.size() - dot;
        const std::string_view base =
            std::string_view(name).substr(0, name.size() - extensionLength);
        const std::string_view newBase =
            std::string_view(result).substr(0, result.size() - extensionLength);
        const auto broken = [&](const char* what) {
            fail(what, describe(config, name, index) + "\nresult='" + escaped(result) + "'");
        };
        switch (config.rule) {
            case RenameRule::cleanUp:
                // Words joined by single spaces: no separators, no space at either end.
                // A space that a combining mark or joiner extends is another
                // character and may stand first.
                if (!newBase.empty() && ((newBase.front() == ' ' && !extendsCluster(newBase, 1)) ||
                                         newBase.back() == ' ')) {
                    broken("clean-up left a space at an end");
                }
                if (newBase.find("  ") != std::string_view::npos ||
                    newBase.find_first_of("\t\n\r") != std::string_view::npos) {
                    broken("clean-up left a line break, a tab or a run of spaces");
                }
                // A separator stays only where it is part of a larger character.
                for (std::size_t at = newBase.find_first_of("_-."); at != std::string_view::npos;
                     at = newBase.find_first_of("_-.", at + 1)) {
                    if (!heldInCluster(newBase, at)) broken("clean-up left a separator");
                }
                break;
            case RenameRule::removeChars: {
                // A stretch is taken out: what is left is a head and a tail of the base.
                std::size_t head = 0;
                while (head < newBase.size() && head < base.size() && newBase[head] == base[head]) {
                    ++head;
                }
                std::size_t tail = 0;
                while (tail < newBase.size() && tail < base.size() &&
                       newBase[newBase.size() - 1 - tail] == base[base.size() - 1 - tail]) {
                    ++tail;
                }
                if (newBase.size() > base.size() || head + tail < newBase.size()) {
                    broken("removing characters did more than take out a stretch");
                }
                if (config.removeCount <= 0 && newBase != base) {
                    broken("removing no characters changed the name");
                }
                break;
            }
            case RenameRule::replace:
                if (config.findText.empty() && result != name)
                    broken("an empty find text replaced");
                break;
            case RenameRule::regexReplace:
                if (config.findText.empty() && result != name) broken("an empty pattern replaced");
                break;
            case RenameRule::caseChange:
                if (newBase != RenameEngine::applyCase(config.caseOption, base)) {
                    broken("the case rule did not convert the base name alone");
                }
                break;
            default:
                break;
        }
    }

    // Case conversion on its own, over the whole name.
    for (const CaseOption option : vellumix::allCases<CaseOption>()) {
        const std::string once = RenameEngine::applyCase(option, name);
        if (!nameValid) continue;
        if (!wellFormedUtf8(once)) {
            fail("applyCase made invalid UTF-8", std::string(vellumix::rawValue(option)) + " on '" +
                                                     escaped(name) + "' gave '" + escaped(once) +
                                                     "'");
        }
        if (option == CaseOption::titleCase || option == CaseOption::camelCase) continue;
        const std::string twice = RenameEngine::applyCase(option, once);
        if (twice != once) {
            fail("applyCase is not idempotent", std::string(vellumix::rawValue(option)) + " on '" +
                                                    escaped(name) + "' gave '" + escaped(once) +
                                                    "', then '" + escaped(twice) + "'");
        }
    }
    return 0;
}
