#include "engine/date_text.h"

#include <unicode/smpdtfmt.h>

#include <algorithm>

#include <unicode/timezone.h>

#include "engine/utf8.h"

namespace vellumix::detail {
namespace {

std::int64_t millisOf(std::chrono::system_clock::time_point moment) {
    return std::chrono::duration_cast<std::chrono::milliseconds>(moment.time_since_epoch())
        .count();
}

// The span of time one text may stand for under `pattern`: the finest
// field it shows (letters outside quotes), a quarter of an hour at most,
// the unit in which time zones differ and change.
std::int64_t spanMillisOf(std::string_view pattern) {
    std::int64_t span = 15 * 60 * 1000;
    bool quoted = false;
    for (const char c : pattern) {
        if (c == '\'') quoted = !quoted;
        if (quoted) continue;
        if (c == 'S' || c == 'A' || c == 'b' || c == 'B') return 1;  // noon is a moment
        if (c == 's') span = std::min<std::int64_t>(span, 1000);
        if (c == 'm') span = std::min<std::int64_t>(span, 60 * 1000);
    }
    return span;
}

// The floor of `value` / `divisor`, also for moments before 1970.
std::int64_t floorDivide(std::int64_t value, std::int64_t divisor) {
    return value / divisor - (value % divisor < 0 ? 1 : 0);
}

}  // namespace

std::optional<std::string> formatDate(std::string_view pattern,
                                      std::chrono::system_clock::time_point now) {
    UErrorCode status = U_ZERO_ERROR;
    // Success may come with U_USING_FALLBACK_WARNING: test for failure only.
    const icu::SimpleDateFormat formatter(toUtf16(pattern.empty() ? "yyyy-MM-dd" : pattern),
                                          status);
    if (U_FAILURE(status)) return std::nullopt;
    const auto millis =
        std::chrono::duration_cast<std::chrono::milliseconds>(now.time_since_epoch()).count();
    icu::UnicodeString text;
    formatter.format(static_cast<UDate>(millis), text, nullptr, status);
    if (U_FAILURE(status)) return std::nullopt;
    return toUtf8(text);
}

}  // namespace vellumix::detail

namespace vellumix::detail {

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
    if (source_ == DateSource::now) {
        nowText_ = formatDate(pattern, now);
        return;
    }
    UErrorCode status = U_ZERO_ERROR;
    auto formatter = std::make_unique<icu::SimpleDateFormat>(
        toUtf16(pattern.empty() ? "yyyy-MM-dd" : pattern), status);
    // ICU takes some patterns it can't format (a letter it does not know).
    icu::UnicodeString probe;
    formatter->format(0.0, probe, nullptr, status);
    if (U_FAILURE(status)) return;
    formatter_ = std::move(formatter);
    spanMillis_ = spanMillisOf(pattern);
}

DateTexts::~DateTexts() = default;

const std::string* DateTexts::textFor(const FileItem& file) {
    if (source_ == DateSource::now) return nowText_ ? &*nowText_ : nullptr;
    if (!formatter_) return nullptr;
    const auto date = dateOfFile(file, source_);
    return date ? textOf(*date) : nullptr;
}

const std::string* DateTexts::textOf(std::chrono::system_clock::time_point moment) {
    const std::int64_t millis = millisOf(moment);
    const auto format = [this](std::int64_t at, std::string& out) {
        UErrorCode status = U_ZERO_ERROR;
        icu::UnicodeString text;
        formatter_->format(static_cast<UDate>(at), text, nullptr, status);
        out = toUtf8(text);
    };
    const std::int64_t spanIndex = floorDivide(millis, spanMillis_);
    auto [found, isNew] = spans_.try_emplace(spanIndex);
    Span& span = found->second;
    if (isNew) {
        // One text stands for the span when the zone's offset is one and the
        // same through it, and a whole number of spans: no day, hour or
        // minute of the clock begins inside it.
        const std::int64_t start = spanIndex * spanMillis_;
        const icu::TimeZone& zone = formatter_->getTimeZone();
        UErrorCode status = U_ZERO_ERROR;
        std::int32_t raw = 0;
        std::int32_t dst = 0;
        zone.getOffset(static_cast<UDate>(start), false, raw, dst, status);
        const std::int64_t offsetAtStart = std::int64_t{raw} + dst;
        zone.getOffset(static_cast<UDate>(start + spanMillis_ - 1), false, raw, dst, status);
        span.shared = U_SUCCESS(status) && offsetAtStart == std::int64_t{raw} + dst &&
                      offsetAtStart % spanMillis_ == 0;
        if (span.shared) format(start, span.text);
    }
    if (span.shared) return &span.text;
    format(millis, single_);
    return &single_;
}

}  // namespace vellumix::detail
