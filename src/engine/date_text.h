// Add Date: the date text of one moment.
#pragma once

#include <chrono>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>

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
// share one text under a pattern that shows no minute, so each distinct text
// is formatted once (per quarter of an hour, minute or second that the
// pattern shows), not once per file. One per thread: it is not shareable.
class DateTexts {
public:
    DateTexts(const RenameConfig& config, std::chrono::system_clock::time_point now);
    ~DateTexts();
    DateTexts(const DateTexts&) = delete;
    DateTexts& operator=(const DateTexts&) = delete;

    // The text of `file`'s date, valid until the next call; null when ICU
    // refuses the pattern or the file's date is not known.
    const std::string* textFor(const FileItem& file);

private:
    const std::string* textOf(std::chrono::system_clock::time_point moment);

    struct Span {
        bool shared = false;  // one text stands for every moment of the span
        std::string text;
    };
    DateSource source_;
    std::unique_ptr<icu::SimpleDateFormat> formatter_;  // null when refused
    std::optional<std::string> nowText_;
    std::int64_t spanMillis_ = 1;
    std::unordered_map<std::int64_t, Span> spans_;
    std::string single_;  // the text of a moment whose span shares none
};

}  // namespace vellumix::detail
