// Photos for the tests: drawn by ImageMagick (no Debian package ships camera
// photos), their metadata written with Exiv2 as a camera or an editor would.
#pragma once

#include <string>
#include <utility>
#include <vector>

namespace vellumix::testing {

// Draws a small photo at `path`, its format by the extension (".jpg",
// ".tif"); fails the test when ImageMagick can't.
void drawPhoto(const std::string& path);

// Writes each (key, value) into the photo's metadata: keys as Exiv2 names
// them ("Exif.Photo.DateTimeOriginal", "Xmp.photoshop.DateCreated",
// "Iptc.Application2.DateCreated"), values as the metadata holds them.
void writeMetadata(const std::string& path,
                   const std::vector<std::pair<std::string, std::string>>& values);

}  // namespace vellumix::testing
