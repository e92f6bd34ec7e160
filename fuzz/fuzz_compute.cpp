// Fuzzes the name computation: any configuration (every rule, any integer,
// any text, patterns and date formats that do not compile) over any name,
// valid UTF-8 or not, with a fixed clock.
//
// Beyond "no crash, no leak, no undefined behaviour" it checks what every rule
// promises:
//   - the extension part of the name (from its last dot) is never changed;
//   - a name that is not valid UTF-8 comes back unchanged;
//   - a valid name under valid texts gives a valid UTF-8 result;
//   - the same inputs give the same name twice;
//   - lowercase, uppercase, snake_case and kebab-case are idempotent.
#include <fuzzer/FuzzedDataProvider.h>

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
    const bool textsValid =
        wellFormedUtf8(config.text) && wellFormedUtf8(config.findText) &&
        wellFormedUtf8(config.replaceText) && wellFormedUtf8(config.numberSeparator) &&
        wellFormedUtf8(config.dateFormat) && wellFormedUtf8(config.dateSeparator);
    if (nameValid && textsValid && !wellFormedUtf8(result)) {
        fail("valid inputs gave a result that is not UTF-8",
             describe(config, name, index) + "\nresult='" + escaped(result) + "'");
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
