#include "support/test_photos.h"

#include <gtest/gtest.h>

#include <exiv2/exiv2.hpp>

#include <cstdlib>

namespace vellumix::testing {

void drawPhoto(const std::string& path) {
    const std::string command = "convert -size 16x12 gradient:navy-orange '" + path + "'";
    ASSERT_EQ(std::system(command.c_str()), 0) << command << " (scripts/install-deps installs it)";
}

void writeMetadata(const std::string& path,
                   const std::vector<std::pair<std::string, std::string>>& values) {
    Exiv2::LogMsg::setLevel(Exiv2::LogMsg::mute);
    Exiv2::XmpParser::initialize();
    auto image = Exiv2::ImageFactory::open(path);
    image->readMetadata();
    for (const auto& [key, value] : values) {
        if (key.starts_with("Exif.")) {
            image->exifData()[key] = value;
        } else if (key.starts_with("Xmp.")) {
            image->xmpData()[key] = value;
        } else {
            image->iptcData()[key] = value;
        }
    }
    image->writeMetadata();
}

}  // namespace vellumix::testing
