#include "engine/file_dates_reader.h"

#include <sys/stat.h>

#include <exiv2/exiv2.hpp>
#include <unicode/gregocal.h>
#include <unicode/timezone.h>

#include <algorithm>
#include <charconv>
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
std::optional<FileDates::Time> dateTakenOf(Exiv2::Image& image) {
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
    const auto original = Exiv2::dateTimeOriginal(exif);  // the Photo or the Image tag
    const std::string iptcDate = iptcText("Iptc.Application2.DateCreated");
    const std::string iptcTime = iptcText("Iptc.Application2.TimeCreated");
    for (const std::string& text : {
             original == exif.end() ? std::string() : original->toString(),
             xmpText("Xmp.exif.DateTimeOriginal"),
             xmpText("Xmp.photoshop.DateCreated"),
             iptcDate.empty() ? iptcDate : iptcDate + (iptcTime.empty() ? "" : "T" + iptcTime),
             exifText("Exif.Photo.DateTimeDigitized"),
             xmpText("Xmp.exif.DateTimeDigitized"),
             xmpText("Xmp.xmp.CreateDate"),
         }) {
        if (const auto date = detail::parseMetadataDate(text)) return date;
    }
    return std::nullopt;
}

// Whatever the library throws (its own errors, a failed allocation on a
// hostile size) means the file holds no date it can give.
template <class Open>
std::optional<FileDates::Time> dateTakenOpened(Open open) {
    prepareExiv2();
    try {
        Exiv2::Image::AutoPtr image = open();
        if (image.get() == nullptr) return std::nullopt;
        return dateTakenOf(*image);
    } catch (...) {
        return std::nullopt;
    }
}

FileDates readDates(const FileUrl& file) {
    FileDates dates;
    struct stat info {};
    const std::string& path = file.path();
    if (::stat(path.c_str(), &info) != 0 && ::lstat(path.c_str(), &info) != 0) return dates;
    dates.modified = timeOf(info.st_mtim);
    if (!S_ISREG(info.st_mode)) return dates;
    dates.taken = dateTakenOpened([&path] {
        return Exiv2::ImageFactory::open(Exiv2::BasicIo::AutoPtr(new Exiv2::FileIo(path)));
    });
    return dates;
}

}  // namespace

std::vector<FileDates> readFileDates(std::span<const FileUrl> files, DatesProgress* progress) {
    std::vector<FileDates> dates;
    dates.reserve(files.size());
    for (const FileUrl& file : files) {
        if (progress != nullptr && progress->isCancelled()) break;
        dates.push_back(readDates(file));
        if (progress != nullptr) progress->readOne();
    }
    return dates;
}

std::optional<FileDates::Time> dateTakenIn(std::span<const std::uint8_t> data) {
    return dateTakenOpened([data] {
        return Exiv2::ImageFactory::open(data.data(), static_cast<long>(data.size()));
    });
}

namespace detail {

std::optional<FileDates::Time> parseMetadataDate(std::string_view text) {
    // Reads `digits` digits at `at`, then steps over them.
    std::size_t at = 0;
    const auto number = [&](std::size_t digits) -> std::optional<int> {
        int value = 0;
        if (text.size() < at + digits) return std::nullopt;
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
    // Cameras without a clock write zeros or blanks; a date must be one.
    if (*year < 1 || *month < 1 || *month > 12 || *day < 1 || *day > 31 || hour > 23 ||
        minute > 59 || second > 60) {
        return std::nullopt;
    }
    // A clock time that the zone skips (the hour clocks go forward) still
    // counts, as the moment after; a day the month does not have does not.
    UErrorCode status = U_ZERO_ERROR;
    icu::GregorianCalendar calendar(icu::TimeZone::createDefault(), status);
    if (U_FAILURE(status)) return std::nullopt;
    calendar.clear();
    calendar.set(*year, *month - 1, *day, hour, minute, std::min(second, 59));
    const UDate millis = calendar.getTime(status);
    if (U_FAILURE(status) || calendar.get(UCAL_DATE, status) != *day ||
        calendar.get(UCAL_MONTH, status) != *month - 1) {
        return std::nullopt;
    }
    return FileDates::Time(std::chrono::duration_cast<FileDates::Time::duration>(
        std::chrono::milliseconds(static_cast<std::int64_t>(millis))));
}

}  // namespace detail
}  // namespace vellumix
