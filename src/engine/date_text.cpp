#include "engine/date_text.h"

#include <unicode/smpdtfmt.h>

#include "engine/utf8.h"

namespace vellumix::detail {

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
