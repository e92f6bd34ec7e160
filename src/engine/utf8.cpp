#include "engine/utf8.h"

#include <cstdint>
#include <cstring>

#include <unicode/utf8.h>

namespace vellumix::detail {
namespace {

// The length of the ASCII run at the start of `bytes`, eight bytes at a time.
std::size_t asciiPrefixLength(std::string_view bytes) {
    constexpr std::uint64_t kHighBits = 0x8080808080808080u;
    std::size_t i = 0;
    for (; i + 8 <= bytes.size(); i += 8) {
        std::uint64_t word;
        std::memcpy(&word, bytes.data() + i, sizeof word);
        if ((word & kHighBits) != 0) break;
    }
    while (i < bytes.size() && static_cast<unsigned char>(bytes[i]) < 0x80)
        ++i;
    return i;
}

}  // namespace

bool isValidUtf8(std::string_view bytes) {
    if (bytes.size() > static_cast<std::size_t>(INT32_MAX)) return false;
    // ASCII is valid UTF-8; only the rest needs decoding.
    const std::size_t ascii = asciiPrefixLength(bytes);
    const auto* s = reinterpret_cast<const std::uint8_t*>(bytes.data());
    const auto length = static_cast<std::int32_t>(bytes.size());
    auto i = static_cast<std::int32_t>(ascii);
    while (i < length) {
        if (s[i] < 0x80) {
            ++i;
            continue;
        }
        UChar32 c;
        U8_NEXT(s, i, length, c);
        if (c < 0) return false;
    }
    return true;
}

bool isAscii(std::string_view bytes) {
    return asciiPrefixLength(bytes) == bytes.size();
}

icu::UnicodeString toUtf16(std::string_view utf8) {
    return icu::UnicodeString::fromUTF8(utf8);
}

std::string toUtf8(const icu::UnicodeString& utf16) {
    std::string out;
    utf16.toUTF8String(out);
    return out;
}

std::string toWellFormedUtf8(std::string_view bytes) {
    return isValidUtf8(bytes) ? std::string(bytes) : toUtf8(toUtf16(bytes));
}

}  // namespace vellumix::detail
