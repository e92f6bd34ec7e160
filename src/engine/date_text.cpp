#include "engine/date_text.h"

#include <unicode/smpdtfmt.h>

#include <algorithm>

#include <unicode/basictz.h>
#include <unicode/timezone.h>
#include <unicode/tztrans.h>

#include <limits>

#include "engine/utf8.h"

namespace vellumix::detail {
namespace {

std::int64_t millisOf(std::chrono::system_clock::time_point moment) {
    return std::chrono::duration_cast<std::chrono::milliseconds>(moment.time_since_epoch())
        .count();
}

// The unit of the clock one text stands for under `pattern`: the finest
// field it shows (letters outside quotes), a day at most.
std::int64_t unitMillisOf(std::string_view pattern) {
    constexpr std::string_view milliseconds = "SAbB";  // fractions, and noon and midnight
    constexpr std::string_view hours = "HhKkajJC";
    std::int64_t unit = 24 * 60 * 60 * 1000;
    bool quoted = false;
    for (const char c : pattern) {
        if (c == '\'') quoted = !quoted;
        if (quoted) continue;
        if (milliseconds.find(c) != std::string_view::npos) return 1;
        if (c == 's') unit = std::min<std::int64_t>(unit, 1000);
        if (c == 'm') unit = std::min<std::int64_t>(unit, 60 * 1000);
        if (hours.find(c) != std::string_view::npos) unit = std::min<std::int64_t>(unit, 3'600'000);
    }
    return unit;
}

// The floor of `value` / `divisor`, also for moments before 1970.
std::int64_t floorDivide(std::int64_t value, std::int64_t divisor) {
    return value / divisor - (value % divisor < 0 ? 1 : 0);
}

// The formatter of `pattern`, or null when ICU refuses it (also when it
// takes a letter it then can't format).
std::unique_ptr<icu::SimpleDateFormat> formatterOf(std::string_view pattern) {
    UErrorCode status = U_ZERO_ERROR;
    // Success may come with U_USING_FALLBACK_WARNING: test for failure only.
    auto formatter = std::make_unique<icu::SimpleDateFormat>(
        toUtf16(pattern.empty() ? "yyyy-MM-dd" : pattern), status);
    if (U_FAILURE(status)) return nullptr;
    icu::UnicodeString probe;
    formatter->format(0.0, probe, nullptr, status);
    if (U_FAILURE(status)) return nullptr;
    return formatter;
}

std::string textAt(const icu::SimpleDateFormat& formatter, std::int64_t millis) {
    icu::UnicodeString text;
    UErrorCode status = U_ZERO_ERROR;
    formatter.format(static_cast<UDate>(millis), text, nullptr, status);
    return toUtf8(text);
}

}  // namespace

std::optional<std::string> formatDate(std::string_view pattern,
                                      std::chrono::system_clock::time_point now) {
    const std::unique_ptr<icu::SimpleDateFormat> formatter = formatterOf(pattern);
    if (!formatter) return std::nullopt;
    return textAt(*formatter, millisOf(now));
}

std::optional<std::chrono::system_clock::time_point> dateOfFile(const FileItem& file,
                                                                DateSource source) {
    if (!file.dates) return std::nullopt;
    if (source == DateSource::taken && file.dates->taken) return file.dates->taken;
    return file.dates->modified;
}

DateTexts::DateTexts(const RenameConfig& config, std::chrono::system_clock::time_point now)
    : source_(config.dateSource) {
    // As the name computer reads it: ill-formed sequences as U+FFFD.
    const std::string pattern = isValidUtf8(config.dateFormat)
                                    ? config.dateFormat
                                    : toWellFormedUtf8(config.dateFormat);
    formatter_ = formatterOf(pattern);
    if (!formatter_) return;
    if (source_ == DateSource::now) nowText_ = textAt(*formatter_, millisOf(now));
    unitMillis_ = unitMillisOf(pattern);
}

DateTexts::~DateTexts() = default;

const std::string* DateTexts::textFor(const FileItem& file) {
    if (source_ == DateSource::now) return nowText_ ? &*nowText_ : nullptr;
    if (!formatter_) return nullptr;
    const auto date = dateOfFile(file, source_);
    return date ? textOf(millisOf(*date)) : nullptr;
}

std::int32_t DateTexts::offsetAt(std::int64_t millis) {
    for (const Stretch& stretch : stretches_) {
        if (stretch.from <= millis && millis < stretch.to) return stretch.offset;
    }
    const icu::TimeZone& zone = formatter_->getTimeZone();
    UErrorCode status = U_ZERO_ERROR;
    std::int32_t raw = 0;
    std::int32_t dst = 0;
    zone.getOffset(static_cast<UDate>(millis), false, raw, dst, status);
    Stretch stretch{millis, millis + 1, raw + dst};
    // The zone's transitions around the moment bound the stretch; a zone
    // that can't tell them gives a stretch of one moment.
    if (const auto* rules = dynamic_cast<const icu::BasicTimeZone*>(&zone)) {
        icu::TimeZoneTransition transition;
        stretch.from = rules->getPreviousTransition(static_cast<UDate>(millis), true, transition)
                           ? static_cast<std::int64_t>(transition.getTime())
                           : std::numeric_limits<std::int64_t>::min();
        stretch.to = rules->getNextTransition(static_cast<UDate>(millis), false, transition)
                         ? static_cast<std::int64_t>(transition.getTime())
                         : std::numeric_limits<std::int64_t>::max();
    }
    if (stretches_.size() >= 64) stretches_.clear();  // dates across centuries: keep the scan short
    stretches_.push_back(stretch);
    return stretch.offset;
}

const std::string* DateTexts::textOf(std::int64_t millis) {
    const std::int32_t offset = offsetAt(millis);
    const Group group{floorDivide(millis + offset, unitMillis_), offset};
    if (lastGroup_ == group) return lastText_;
    auto [found, isNew] = texts_.try_emplace(group);
    if (isNew) found->second = textAt(*formatter_, millis);
    lastGroup_ = group;
    lastText_ = &found->second;
    return lastText_;
}

}  // namespace vellumix::detail
