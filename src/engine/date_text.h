// Add Date: the date text of one moment.
#pragma once

#include <chrono>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "model/file_item.h"
#include "model/rename_config.h"

#include <unicode/smpdtfmt.h>

namespace vellumix::detail {

// `now` formatted by `pattern` (date-field letters of Unicode Technical
// Standard #35: yyyy, MM, dd, HH, mm, ss, ...) with ICU's SimpleDateFormat in
// the default locale, calendar and time zone. An empty pattern means
// "yyyy-MM-dd". No value when ICU refuses the pattern. `pattern` must be
// well-formed UTF-8.
// Example: formatDate("yyyy-MM-dd", <14 March 2025, 09:05 local>) == "2025-03-14".
std::optional<std::string> formatDate(std::string_view pattern,
                                      std::chrono::system_clock::time_point now);

// The date Add Date writes for `file` under `source`: its modification date,
// or when it was taken (else its modification date); none while its dates
// are not known. `now` is not one of them: the caller's clock is.
std::optional<std::chrono::system_clock::time_point> dateOfFile(const FileItem& file,
                                                                DateSource source);

// The date texts of Add Date for the files of one preview: the clock reading
// `now` under DateSource::now, else each file's own date. Photos of one day
// share one text under a pattern that shows no time of day, so each distinct
// text is formatted once (per day, hour, minute or second of the clock that
// the pattern shows, at one offset from UTC), not once per file. One per
// thread: it is not shareable.
class DateTexts {
public:
    DateTexts(const RenameConfig& config, std::chrono::system_clock::time_point now);
    ~DateTexts();
    DateTexts(const DateTexts&) = delete;
    DateTexts& operator=(const DateTexts&) = delete;

    // The text of `file`'s date, valid while this object lives; null when
    // ICU refuses the pattern or the file's date is not known.
    const std::string* textFor(const FileItem& file);

private:
    const std::string* textOf(std::int64_t millis);
    // The zone's offset from UTC at `millis`, in milliseconds.
    std::int32_t offsetAt(std::int64_t millis);

    // A unit of the clock the pattern shows (its day, hour, ...) at one offset.
    struct Group {
        std::int64_t unit = 0;
        std::int32_t offset = 0;
        friend bool operator==(const Group&, const Group&) = default;
    };
    struct GroupHash {
        std::size_t operator()(const Group& group) const noexcept {
            return std::hash<std::int64_t>{}(group.unit * 31 + group.offset);
        }
    };
    DateSource source_;
    std::unique_ptr<icu::SimpleDateFormat> formatter_;  // null when refused
    std::optional<std::string> nowText_;
    std::int64_t unitMillis_ = 1;
    // Stretches of time through which the zone keeps one offset, as met:
    // a photo library spans a few of them.
    struct Stretch {
        std::int64_t from = 0;  // inclusive, in milliseconds since 1970
        std::int64_t to = 0;    // exclusive
        std::int32_t offset = 0;
    };
    std::vector<Stretch> stretches_;
    std::unordered_map<Group, std::string, GroupHash> texts_;
    // The group met last and its text: lists in the order photos were taken
    // ask for one text many times in a row.
    std::optional<Group> lastGroup_;
    const std::string* lastText_ = nullptr;
};

}  // namespace vellumix::detail
