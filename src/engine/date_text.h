// Add Date: the date text of one moment.
#pragma once

#include <chrono>
#include <optional>
#include <string>
#include <string_view>

namespace vellumix::detail {

// `now` formatted by `pattern` (date-field letters of Unicode Technical
// Standard #35: yyyy, MM, dd, HH, mm, ss, ...) with ICU's SimpleDateFormat in
// the default locale, calendar and time zone. An empty pattern means
// "yyyy-MM-dd". No value when ICU refuses the pattern. `pattern` must be
// well-formed UTF-8.
// Example: formatDate("yyyy-MM-dd", <14 March 2025, 09:05 local>) == "2025-03-14".
std::optional<std::string> formatDate(std::string_view pattern,
                                      std::chrono::system_clock::time_point now);

}  // namespace vellumix::detail
