#include "engine/file_dates_reader.h"

#include <sys/stat.h>

#include <exiv2/exiv2.hpp>
#include <unicode/basictz.h>
#include <unicode/timezone.h>

#include <algorithm>
#include <charconv>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>

namespace vellumix {
namespace {

// Exiv2 is quiet, and its XMP toolkit set up before any thread reads.
void prepareExiv2() {
    static std::once_flag once;
    std::call_once(once, [] {
        Exiv2::LogMsg::setLevel(Exiv2::LogMsg::mute);
        Exiv2::XmpParser::initialize();
    });
}

FileDates::Time timeOf(const struct timespec& moment) {
    return FileDates::Time(std::chrono::duration_cast<FileDates::Time::duration>(
        std::chrono::seconds(moment.tv_sec) + std::chrono::nanoseconds(moment.tv_nsec)));
}

// The first of the photo's capture dates that reads as a date.
std::optional<FileDates::Time> dateTakenOf(Exiv2::Image& image, const icu::TimeZone& zone) {
    image.readMetadata();
    const Exiv2::ExifData& exif = image.exifData();
    const Exiv2::XmpData& xmp = image.xmpData();
    const Exiv2::IptcData& iptc = image.iptcData();
    const auto exifText = [&exif](const char* key) -> std::string {
        const auto found = exif.findKey(Exiv2::ExifKey(key));
        return found == exif.end() ? std::string() : found->toString();
    };
    const auto xmpText = [&xmp](const char* key) -> std::string {
        const auto found = xmp.findKey(Exiv2::XmpKey(key));
        return found == xmp.end() ? std::string() : found->toString();
    };
    const auto iptcText = [&iptc](const char* key) -> std::string {
        const auto found = iptc.findKey(Exiv2::IptcKey(key));
        return found == iptc.end() ? std::string() : found->toString();
    };
    // Each asked for only when those before it give no date: making a key
    // costs the library a lookup of its own.
    const std::function<std::string()> candidates[] = {
        [&exif] {
            const auto original = Exiv2::dateTimeOriginal(exif);  // the Photo or the Image tag
            return original == exif.end() ? std::string() : original->toString();
        },
        [&] { return xmp.empty() ? std::string() : xmpText("Xmp.exif.DateTimeOriginal"); },
        [&] { return xmp.empty() ? std::string() : xmpText("Xmp.photoshop.DateCreated"); },
        [&] {
            if (iptc.empty()) return std::string();
            const std::string date = iptcText("Iptc.Application2.DateCreated");
            const std::string time = iptcText("Iptc.Application2.TimeCreated");
            return date.empty() || time.empty() ? date : date + "T" + time;
        },
        [&] { return exifText("Exif.Photo.DateTimeDigitized"); },
        [&] { return xmp.empty() ? std::string() : xmpText("Xmp.exif.DateTimeDigitized"); },
        [&] { return xmp.empty() ? std::string() : xmpText("Xmp.xmp.CreateDate"); },
    };
    for (const auto& candidate : candidates) {
        if (const auto date = detail::parseMetadataDate(candidate(), zone)) return date;
    }
    return std::nullopt;
}

// Whatever the library throws (its own errors, a failed allocation on a
// hostile size) means the file holds no date it can give.
template <class Open>
std::optional<FileDates::Time> dateTakenOpened(Open open, const icu::TimeZone& zone) {
    prepareExiv2();
    try {
        Exiv2::Image::AutoPtr image = open();
        if (image.get() == nullptr) return std::nullopt;
        return dateTakenOf(*image, zone);
    } catch (...) {
        return std::nullopt;
    }
}

FileDates readDates(const FileUrl& file, const icu::TimeZone& zone) {
    FileDates dates;
    struct stat info {};
    const std::string& path = file.path();
    if (::stat(path.c_str(), &info) != 0 && ::lstat(path.c_str(), &info) != 0) return dates;
    dates.modified = timeOf(info.st_mtim);
    if (!S_ISREG(info.st_mode)) return dates;
    if (info.st_size == 0) return dates;  // an empty file holds no metadata
    dates.taken = dateTakenOpened([&path] {
        return Exiv2::ImageFactory::open(Exiv2::BasicIo::AutoPtr(new Exiv2::FileIo(path)));
    }, zone);
    return dates;
}

}  // namespace

std::vector<FileDates> readFileDates(std::span<const FileUrl> files, DatesProgress* progress) {
    std::vector<FileDates> dates;
    dates.reserve(files.size());
    const std::unique_ptr<icu::TimeZone> zone(icu::TimeZone::createDefault());
    for (const FileUrl& file : files) {
        if (progress != nullptr && progress->isCancelled()) break;
        dates.push_back(readDates(file, *zone));
        if (progress != nullptr) progress->readOne();
    }
    return dates;
}

std::optional<FileDates::Time> dateTakenIn(std::span<const std::uint8_t> data) {
    const std::unique_ptr<icu::TimeZone> zone(icu::TimeZone::createDefault());
    return dateTakenOpened([data] {
        return Exiv2::ImageFactory::open(data.data(), static_cast<long>(data.size()));
    }, *zone);
}

namespace detail {

std::optional<FileDates::Time> parseMetadataDate(std::string_view text) {
    const std::unique_ptr<icu::TimeZone> zone(icu::TimeZone::createDefault());
    return parseMetadataDate(text, *zone);
}

std::optional<FileDates::Time> parseMetadataDate(std::string_view text, const icu::TimeZone& zone) {
    // Reads `digits` digits at `at`, then steps over them. from_chars would
    // take a minus sign too ("18:-5" is no time).
    std::size_t at = 0;
    const auto number = [&](std::size_t digits) -> std::optional<int> {
        int value = 0;
        if (text.size() < at + digits || text[at] < '0' || text[at] > '9') return std::nullopt;
        const auto [end, error] = std::from_chars(text.data() + at, text.data() + at + digits, value);
        if (error != std::errc() || end != text.data() + at + digits) return std::nullopt;
        at += digits;
        return value;
    };
    const auto separator = [&](std::string_view allowed) {
        if (at >= text.size() || allowed.find(text[at]) == std::string_view::npos) return false;
        ++at;
        return true;
    };
    const auto year = number(4);
    if (!year || !separator(":-")) return std::nullopt;
    const auto month = number(2);
    if (!month || !separator(":-")) return std::nullopt;
    const auto day = number(2);
    if (!day) return std::nullopt;
    int hour = 0;
    int minute = 0;
    int second = 0;
    if (separator("T ")) {
        const auto h = number(2);
        if (!h || !separator(":")) return std::nullopt;
        const auto m = number(2);
        if (!m) return std::nullopt;
        hour = *h;
        minute = *m;
        if (separator(":")) {
            const auto s = number(2);
            if (!s) return std::nullopt;
            second = *s;
        }
    }
    // Cameras without a clock write zeros or blanks; a date must be one, and
    // one FileDates::Time can hold (nanoseconds: from 1678 to 2261).
    using namespace std::chrono;
    const year_month_day date{std::chrono::year(*year),
                              std::chrono::month(static_cast<unsigned>(*month)),
                              std::chrono::day(static_cast<unsigned>(*day))};
    if (*year < 1678 || *year > 2261 || !date.ok() || hour > 23 || minute > 59 || second > 60) {
        return std::nullopt;
    }
    // The clock's reading as milliseconds, then the zone's offset at it.
    const std::int64_t local =
        duration_cast<milliseconds>((sys_days(date) + hours(hour) + minutes(minute) +
                                     seconds(std::min(second, 59)))
                                        .time_since_epoch())
            .count();
    UErrorCode status = U_ZERO_ERROR;
    std::int32_t raw = 0;
    std::int32_t dst = 0;
    if (const auto* rules = dynamic_cast<const icu::BasicTimeZone*>(&zone)) {
        rules->getOffsetFromLocal(static_cast<UDate>(local), UCAL_TZ_LOCAL_FORMER,
                                  UCAL_TZ_LOCAL_FORMER, raw, dst, status);
    } else {
        zone.getOffset(static_cast<UDate>(local), true, raw, dst, status);
    }
    if (U_FAILURE(status)) return std::nullopt;
    return FileDates::Time(duration_cast<FileDates::Time::duration>(
        milliseconds(local - std::int64_t{raw} - dst)));
}

}  // namespace detail
}  // namespace vellumix
