// Printable ASCII as it is, every other byte (and the backslash) as \xNN, so
// that names that are not UTF-8, or hold line breaks, stay readable in a
// failure message. Header-only and free of test frameworks: the fuzz targets
// use it too.
#pragma once

#include <cstdio>
#include <string>
#include <string_view>

namespace vellumix::testing {

inline std::string escapedBytes(std::string_view text) {
    std::string out;
    for (const char c : text) {
        const auto b = static_cast<unsigned char>(c);
        if (b >= 0x20 && b < 0x7F && b != '\\') {
            out += c;
        } else {
            char buffer[5];
            std::snprintf(buffer, sizeof buffer, "\\x%02X", b);
            out += buffer;
        }
    }
    return out;
}

}  // namespace vellumix::testing
