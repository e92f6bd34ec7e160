// Helpers shared by the fuzz targets: an independent UTF-8 validator and a check
// that aborts with a readable message, so that libFuzzer saves the input.
#pragma once

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "support/escaped_bytes.h"

namespace vellumix::fuzz {

// Well-formed UTF-8 as Unicode defines it: shortest form, no surrogates, nothing
// past U+10FFFF. Written here on purpose instead of reusing the engine's helper,
// so that a fault there cannot hide itself.
inline bool wellFormedUtf8(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size()) {
        const auto b = static_cast<unsigned char>(text[i]);
        std::size_t length = 0;
        std::uint32_t min = 0;
        std::uint32_t cp = 0;
        if (b < 0x80) {
            ++i;
            continue;
        } else if (b >= 0xC2 && b <= 0xDF) {
            length = 2, min = 0x80, cp = b & 0x1Fu;
        } else if (b >= 0xE0 && b <= 0xEF) {
            length = 3, min = 0x800, cp = b & 0x0Fu;
        } else if (b >= 0xF0 && b <= 0xF4) {
            length = 4, min = 0x10000, cp = b & 0x07u;
        } else {
            return false;
        }
        if (i + length > text.size()) return false;
        for (std::size_t k = 1; k < length; ++k) {
            const auto c = static_cast<unsigned char>(text[i + k]);
            if ((c & 0xC0u) != 0x80u) return false;
            cp = (cp << 6) | (c & 0x3Fu);
        }
        if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return false;
        i += length;
    }
    return true;
}

// The bytes of `text` with everything outside printable ASCII as \xNN.
inline std::string escaped(std::string_view text) {
    return testing::escapedBytes(text);
}

[[noreturn]] inline void fail(const char* what, std::string_view detail) {
    std::fprintf(stderr, "\nINVARIANT BROKEN: %s\n%s\n", what, std::string(detail).c_str());
    std::abort();
}

}  // namespace vellumix::fuzz
