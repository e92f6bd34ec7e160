// Reading Date Taken: 10,000 JPEG photos, each with its EXIF date, through
// the engine's reader, next to a bare loop of the same library calls (open,
// read the metadata, find DateTimeOriginal) over the same files.
#include <benchmark/benchmark.h>

#include <exiv2/exiv2.hpp>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "bench_support.h"
#include "engine/file_dates_reader.h"

namespace vellumix::bench {
namespace {

namespace fs = std::filesystem;

// A folder of `count` copies of one small photo dated by its camera, made
// once per count and kept between runs.
std::vector<FileUrl> photos(std::size_t count) {
    const std::string folder = benchFolder("photos-" + std::to_string(count), false);
    if (entryCount(folder) != count) {
        fs::remove_all(folder);
        fs::create_directories(folder);
        const std::string first = folder + "/IMG_00000.JPG";
        const std::string draw = "convert -size 160x120 gradient:navy-orange '" + first + "'";
        if (std::system(draw.c_str()) != 0) return {};
        auto image = Exiv2::ImageFactory::open(first);
        image->readMetadata();
        image->exifData()["Exif.Image.Make"] = "Bench";
        image->exifData()["Exif.Photo.DateTimeOriginal"] = "2019:07:04 18:30:00";
        image->writeMetadata();
        for (std::size_t i = 1; i < count; ++i) {
            char name[32];
            std::snprintf(name, sizeof name, "/IMG_%05zu.JPG", i);
            fs::copy_file(first, folder + name);
        }
    }
    std::vector<FileUrl> urls;
    for (const auto& entry : fs::directory_iterator(folder)) urls.emplace_back(entry.path().native());
    return urls;
}

void readDateTaken(benchmark::State& state) {
    const std::vector<FileUrl> files = photos(scaled(10000));
    if (files.empty()) state.SkipWithError("ImageMagick could not draw the photo");
    for (auto _ : state) {
        std::vector<FileDates> dates = readFileDates(files);
        benchmark::DoNotOptimize(dates.data());
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(files.size()));
}
BENCHMARK(readDateTaken)->Unit(benchmark::kMillisecond)->UseRealTime();

// The floor: the library's own calls alone, nothing checked, nothing converted.
void readDateTakenBareLoop(benchmark::State& state) {
    const std::vector<FileUrl> files = photos(scaled(10000));
    Exiv2::LogMsg::setLevel(Exiv2::LogMsg::mute);
    for (auto _ : state) {
        std::size_t found = 0;
        for (const FileUrl& file : files) {
            auto image = Exiv2::ImageFactory::open(
                Exiv2::BasicIo::AutoPtr(new Exiv2::FileIo(file.path())));
            image->readMetadata();
            const Exiv2::ExifData& exif = image->exifData();
            const auto date = Exiv2::dateTimeOriginal(exif);
            if (date != exif.end()) found += date->toString().size();
        }
        benchmark::DoNotOptimize(found);
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(files.size()));
}
BENCHMARK(readDateTakenBareLoop)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
}  // namespace vellumix::bench
