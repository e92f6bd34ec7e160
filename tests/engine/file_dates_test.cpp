// Reading files' dates: photos made here (ImageMagick draws them, Exiv2
// writes their metadata), damaged ones, and files that are no photos.

#include <fcntl.h>
#include <sys/stat.h>

#include <gtest/gtest.h>
#include <unicode/timezone.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "engine/file_dates_reader.h"
#include "support/temp_dir.h"
#include "support/test_photos.h"

namespace vellumix {
namespace {

using namespace std::chrono;
using namespace vellumix::testing;
using Time = FileDates::Time;

// Metadata dates are clock readings where the photo was taken, read in
// ICU's default time zone: Berlin here, two hours ahead of UTC in summer.
class FileDatesTest : public ::testing::Test {
protected:
    void SetUp() override {
        savedZone_.reset(icu::TimeZone::createDefault());
        icu::TimeZone::adoptDefault(icu::TimeZone::createTimeZone("Europe/Berlin"));
    }
    void TearDown() override { icu::TimeZone::setDefault(*savedZone_); }

private:
    std::unique_ptr<icu::TimeZone> savedZone_;
};

constexpr Time utc(sys_days day, seconds time = 0s) { return Time(day) + time; }

TEST_F(FileDatesTest, MetadataDatesReadAsTheClockWhereTheyWereTaken) {
    const struct {
        const char* text;
        std::optional<Time> expected;
    } cases[] = {
        {"2019:07:04 18:30:05", utc(2019y / July / 4, 16h + 30min + 5s)},
        {"2019-07-04T18:30:05+05:00", utc(2019y / July / 4, 16h + 30min + 5s)},  // offset ignored
        {"2019-07-04T18:30", utc(2019y / July / 4, 16h + 30min)},
        {"2019-07-04", utc(2019y / July / 3, 22h)},
        {"2019:01:04 18:30:05", utc(2019y / January / 4, 17h + 30min + 5s)},  // winter time
        {"2019:03:31 02:30:00", utc(2019y / March / 31, 1h + 30min)},  // skipped by the clocks
        {"2016:12:31 23:59:60", utc(2016y / December / 31, 22h + 59min + 59s)},  // leap second
        {"0000:00:00 00:00:00", std::nullopt},  // a camera without a clock
        {"    :  :     :  :  ", std::nullopt},
        {"2019:02:30 10:00:00", std::nullopt},
        {"2019:13:01 10:00:00", std::nullopt},
        {"2019:07:04 24:00:00", std::nullopt},
        {"2019:07:04 18", std::nullopt},
        {"19:07:04 18:30:05", std::nullopt},
        {"2019:07:04 18:-5:00", std::nullopt},       // a sign is no digit
        {"0001:01:01 00:00:00", std::nullopt},       // before what a date here can hold
        {"2262:06:01 00:00:00", std::nullopt},
        {"", std::nullopt},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(detail::parseMetadataDate(c.text), c.expected) << c.text;
    }
}

// Overwrites the offset of the first directory of the photo's EXIF block,
// as a card that lost a few bytes: the block is there but leads nowhere.
void breakExifBlock(const std::string& path) {
    std::fstream file(path, std::ios::in | std::ios::out | std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(file)), {});
    const std::size_t exif = bytes.find(std::string("Exif\0\0", 6));
    ASSERT_NE(exif, std::string::npos);
    file.seekp(static_cast<std::streamoff>(exif + 6 + 4));
    file.write("\xFF\xFF\xFF\x0F", 4);
}

void truncateTo(const std::string& path, double fraction) {
    std::filesystem::resize_file(
        path, static_cast<std::uintmax_t>(static_cast<double>(std::filesystem::file_size(path)) *
                                          fraction));
}

TEST_F(FileDatesTest, PhotosGiveWhenTheyWereTakenAndEveryFileWhenItChanged) {
    const TempDir dir;
    const Time modified = utc(2024y / May / 1, 12h);
    const Time taken = utc(2019y / July / 4, 16h + 30min);  // 18:30 in Berlin
    const std::string original = "2019:07:04 18:30:00";
    const struct {
        const char* name;
        std::vector<std::pair<std::string, std::string>> metadata;
        std::optional<Time> taken;
        void (*damage)(const std::string&) = nullptr;
    } cases[] = {
        {"original.jpg", {{"Exif.Photo.DateTimeOriginal", original}}, taken},
        {"plain.jpg", {}, std::nullopt},
        {"raw.tif", {{"Exif.Image.DateTimeOriginal", original}}, taken},  // as RAW files keep it
        {"xmp.jpg", {{"Xmp.photoshop.DateCreated", "2019-07-04T18:30:00"}}, taken},
        {"iptc.jpg",
         {{"Iptc.Application2.DateCreated", "2019-07-04"},
          {"Iptc.Application2.TimeCreated", "18:30:00+02:00"}},
         taken},
        {"digitized.jpg",
         {{"Exif.Photo.DateTimeOriginal", "0000:00:00 00:00:00"},
          {"Exif.Photo.DateTimeDigitized", original}},
         taken},
        {"original first.jpg",
         {{"Exif.Photo.DateTimeOriginal", original},
          {"Exif.Photo.DateTimeDigitized", "2020:01:01 00:00:00"},
          {"Xmp.xmp.CreateDate", "2021-01-01T00:00:00"}},
         taken},
        {"broken.jpg", {{"Exif.Photo.DateTimeOriginal", original}}, std::nullopt, breakExifBlock},
        {"truncated.jpg",
         {{"Exif.Photo.DateTimeOriginal", original}},
         std::nullopt,
         [](const std::string& path) { truncateTo(path, 0.1); }},
    };
    std::vector<FileUrl> files;
    for (const auto& c : cases) {
        const std::string path = dir.pathOf(c.name);
        drawPhoto(path);
        if (!c.metadata.empty()) writeMetadata(path, c.metadata);
        if (c.damage) c.damage(path);
        files.push_back(FileUrl(path));
    }
    files.push_back(dir.write("notes.jpg", "not a photo"));
    ASSERT_EQ(::mkfifo(dir.pathOf("pipe.jpg").c_str(), 0600), 0);  // opening it would wait forever
    files.push_back(dir.urlOf("pipe.jpg"));
    const timespec times[2] = {{0, UTIME_OMIT}, {system_clock::to_time_t(modified), 0}};
    for (const FileUrl& file : files) {
        ASSERT_EQ(::utimensat(AT_FDCWD, file.path().c_str(), times, 0), 0) << file.path();
    }
    files.push_back(dir.urlOf("gone.jpg"));

    DatesProgress progress;
    const std::vector<FileDates> dates = readFileDates(files, &progress);
    ASSERT_EQ(dates.size(), files.size());
    EXPECT_EQ(progress.done(), files.size());
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        EXPECT_EQ(dates[i], (FileDates{modified, cases[i].taken})) << cases[i].name;
    }
    EXPECT_EQ(dates[std::size(cases)], (FileDates{modified, std::nullopt})) << "notes.jpg";
    EXPECT_EQ(dates[std::size(cases) + 1], (FileDates{modified, std::nullopt})) << "pipe.jpg";
    EXPECT_EQ(dates.back(), FileDates{}) << "gone.jpg";

    progress.cancel();
    EXPECT_TRUE(readFileDates(files, &progress).empty());
}

// Photos with bad offsets, directories in a loop, lengths past the end and
// dates that are none, as fuzzing found and as made by hand: read from memory
// or from the file, each gives the same date taken, and none brings the
// reader down. Those named no_date_* hold a date only the parser can refuse.
TEST_F(FileDatesTest, DamagedPhotosGiveTheSameDateTakenFromMemoryAndFromTheFile) {
    std::vector<FileUrl> files;
    for (const auto& entry : std::filesystem::directory_iterator(VELLUMIX_DAMAGED_PHOTOS)) {
        files.push_back(FileUrl(entry.path().string()));
    }
    ASSERT_GE(files.size(), 10u);
    const std::vector<FileDates> dates = readFileDates(files);
    ASSERT_EQ(dates.size(), files.size());
    std::size_t dated = 0;
    for (std::size_t i = 0; i < files.size(); ++i) {
        std::ifstream in(files[i].path(), std::ios::binary);
        const std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(in)), {});
        EXPECT_EQ(dateTakenIn(bytes), dates[i].taken) << files[i].path();
        if (files[i].lastPathComponent().starts_with("no_date_")) {
            EXPECT_EQ(dates[i].taken, std::nullopt) << files[i].path();
        }
        dated += dates[i].taken.has_value();
    }
    EXPECT_GT(dated, 0u) << "agreeing only on none";
}

}  // namespace
}  // namespace vellumix
