// Reading the dates of files: when each last changed, from the file system,
// and when each photo was taken, from the metadata it carries (EXIF, XMP,
// IPTC), through Exiv2. Photos come from anywhere: a damaged or hostile file
// gives no date taken, never a crash or a wait.
//
// Part of the stateless engine; safe to call from several threads at once.
#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include <unicode/timezone.h>

#include "model/file_dates.h"
#include "model/file_url.h"

namespace vellumix {

// How far a reading has come, and the request to stop it; any thread may
// call any member at any time.
class DatesProgress {
public:
    void cancel() noexcept { cancelled_.store(true, std::memory_order_relaxed); }
    [[nodiscard]] bool isCancelled() const noexcept {
        return cancelled_.load(std::memory_order_relaxed);
    }
    // How many files have been read.
    [[nodiscard]] std::size_t done() const noexcept { return done_.load(std::memory_order_relaxed); }
    void readOne() noexcept { done_.fetch_add(1, std::memory_order_relaxed); }

private:
    std::atomic<bool> cancelled_{false};
    std::atomic<std::size_t> done_{0};
};

// The dates of each of `files`, in their order. A file that can't be read
// has no dates; one that holds no date taken (or is not a regular file: a
// FIFO is never opened) has none taken. After a cancel, the dates of the
// files read so far.
[[nodiscard]] std::vector<FileDates> readFileDates(std::span<const FileUrl> files,
                                                   DatesProgress* progress = nullptr);

// When the photo whose whole contents are `data` was taken, by the first of
// its capture dates that is a valid date: EXIF DateTimeOriginal, XMP's and
// IPTC's date created, then the dates it was digitised. Dates carry no time
// zone: they are read as the default time zone's clock.
[[nodiscard]] std::optional<FileDates::Time> dateTakenIn(std::span<const std::uint8_t> data);

namespace detail {
// "2024:05:14 09:30:05", "2024-05-14T09:30:05+02:00", "2024-05-14" read as
// the clock of `zone` (a zone offset is ignored: the digits are the clock
// where the photo was taken; a time the clocks skip is read with the offset
// before it); none unless it is a valid date that FileDates::Time can hold
// (with nanoseconds, from 1678 to 2261).
std::optional<FileDates::Time> parseMetadataDate(std::string_view text, const icu::TimeZone& zone);
// The same in ICU's default time zone.
std::optional<FileDates::Time> parseMetadataDate(std::string_view text);
}  // namespace detail

}  // namespace vellumix
