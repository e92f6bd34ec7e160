// Fuzzes the reading of when a photo was taken: the input is a whole file
// (JPEG, TIFF, anything Exiv2 recognises, damaged or hostile) handed to
// dateTakenIn, and the same bytes as a metadata date handed to
// parseMetadataDate. Exiv2 comes from the system and is not instrumented, so
// coverage guides the search through our code only; the seeds (small photos
// with their dates in EXIF, XMP or IPTC, and a few dates as text) are damaged
// by the mutations at random.
//
// Beyond "no crash, no leak, no undefined behaviour, no wait" it checks:
//   - the same bytes give the same date taken twice;
//   - a date taken, like any metadata date, is a whole second;
//   - a date the parser gives has the form it reads, digits where digits go,
//     and is a day the calendar has; formatted again in the same time zone it
//     shows the same day, and it lies within two days of the clock reading
//     taken as UTC, whatever the zone's offset or a skipped hour;
//   - a well-formed date of a day that exists is never refused, in the years
//     the time point holds.
// Metadata dates are read in ICU's default time zone, fixed here to one with
// summer time so that a failure replays anywhere.
#include <unicode/gregocal.h>
#include <unicode/timezone.h>

#include <chrono>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "engine/file_dates_reader.h"
#include "fuzz_check.h"

namespace {

using namespace std::chrono;
using vellumix::FileDates;
using vellumix::fuzz::escaped;
using vellumix::fuzz::fail;

// A clock reading as the metadata writes it: "YYYY:MM:DD", "YYYY-MM-DD", then
// optionally "T" or " " and "hh:mm" or "hh:mm:ss"; anything may follow (a
// zone offset, fractions of a second). Read here digit by digit, on its own.
struct ClockReading {
    int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
};

std::optional<ClockReading> clockReadingOf(std::string_view text) {
    std::size_t at = 0;
    bool ok = true;
    const auto digits = [&](std::size_t count) {
        int value = 0;
        for (std::size_t i = 0; i < count; ++i, ++at) {
            if (at >= text.size() || text[at] < '0' || text[at] > '9') {
                ok = false;
                return 0;
            }
            value = value * 10 + (text[at] - '0');
        }
        return value;
    };
    const auto oneOf = [&](std::string_view allowed) {
        if (at < text.size() && allowed.find(text[at]) != std::string_view::npos) {
            ++at;
            return true;
        }
        return false;
    };
    ClockReading r;
    r.year = digits(4);
    ok = ok && oneOf(":-");
    r.month = ok ? digits(2) : 0;
    ok = ok && oneOf(":-");
    r.day = ok ? digits(2) : 0;
    if (ok && oneOf("T ")) {
        r.hour = digits(2);
        ok = ok && oneOf(":");
        r.minute = ok ? digits(2) : 0;
        if (ok && oneOf(":")) r.second = digits(2);
    }
    if (!ok) return std::nullopt;
    return r;
}

// The moment's day on the calendar that formats dates, in the default zone.
std::optional<year_month_day> dayShownFor(FileDates::Time moment) {
    UErrorCode status = U_ZERO_ERROR;
    icu::GregorianCalendar calendar(icu::TimeZone::createDefault(), status);
    calendar.setTime(
        static_cast<UDate>(duration_cast<milliseconds>(moment.time_since_epoch()).count()), status);
    const int y = calendar.get(UCAL_EXTENDED_YEAR, status);
    const int m = calendar.get(UCAL_MONTH, status) + 1;
    const int d = calendar.get(UCAL_DATE, status);
    if (U_FAILURE(status)) return std::nullopt;
    return year{y} / month{static_cast<unsigned>(m)} / day{static_cast<unsigned>(d)};
}

std::string shown(FileDates::Time moment) {
    return std::to_string(duration_cast<milliseconds>(moment.time_since_epoch()).count()) +
           " ms since 1970 UTC";
}

// Metadata dates are whole seconds; anything else is a count gone wrong.
bool wholeSecond(FileDates::Time moment) {
    return moment.time_since_epoch() % seconds(1) == FileDates::Time::duration::zero();
}

void checkParsed(std::string_view text) {
    const std::optional<FileDates::Time> parsed = vellumix::detail::parseMetadataDate(text);
    const auto context = [&] { return "text='" + escaped(text.substr(0, 64)) + "'"; };
    const std::optional<ClockReading> reading = clockReadingOf(text);
    const auto written = [&] {
        return year{reading->year} / month{static_cast<unsigned>(reading->month)} /
               day{static_cast<unsigned>(reading->day)};
    };
    const bool valid = reading && reading->year >= 1 && reading->hour <= 23 &&
                       reading->minute <= 59 && reading->second <= 60 && written().ok();
    // The years a time point of nanoseconds holds whole, whatever the zone.
    const bool held = reading && reading->year >= 1678 && reading->year <= 2261;
    if (!parsed) {
        if (valid && held) fail("a well-formed date of a day that exists was refused", context());
        return;
    }
    if (!reading) {
        fail("a text that is no clock reading gave a date", context() + " " + shown(*parsed));
    }
    if (!valid) fail("a clock reading that is no date gave one", context() + " " + shown(*parsed));
    if (!wholeSecond(*parsed)) fail("a date is no whole second", context() + " " + shown(*parsed));
    if (dayShownFor(*parsed) != written()) {
        fail("the date, formatted again, shows another day", context() + " " + shown(*parsed));
    }
    // In seconds, which hold any year, so that a wrong date can't overflow here.
    const sys_seconds asUtc = sys_days(written()) + hours(reading->hour) +
                              minutes(reading->minute) + seconds(std::min(reading->second, 59));
    const sys_seconds moment = floor<seconds>(*parsed);
    if ((moment > asUtc ? moment - asUtc : asUtc - moment) > hours(48)) {
        fail("the date is more than two days from its clock reading",
             context() + " " + shown(*parsed));
    }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    icu::TimeZone::adoptDefault(icu::TimeZone::createTimeZone("Europe/Berlin"));
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    const std::span<const std::uint8_t> data(bytes, size);
    const std::optional<FileDates::Time> taken = vellumix::dateTakenIn(data);
    if (vellumix::dateTakenIn(data) != taken) {
        fail("the same bytes gave two different dates taken",
             std::to_string(size) + " bytes, first " + (taken ? shown(*taken) : "none"));
    }
    if (taken && !wholeSecond(*taken)) {
        fail("a date taken is no whole second", std::to_string(size) + " bytes, " + shown(*taken));
    }

    checkParsed(std::string_view(reinterpret_cast<const char*>(bytes), size));
    return 0;
}
