#include "engine/case_mapping.h"

#include <unicode/bytestream.h>
#include <unicode/casemap.h>
#include <unicode/uchar.h>
#include <unicode/utf8.h>

#include <cstdint>

#include "engine/utf8.h"

namespace vellumix::detail {
namespace {

// Appends `utf8` mapped byte by byte by `ascii` when it is ASCII-only, else by
// `full(text, sink, status)`, one of ICU's CaseMap mappings; when ICU fails,
// the text as it came, as if it had no case.
template <class FullMapping>
void appendMapped(std::string& out, std::string_view utf8, char (*ascii)(char), FullMapping full) {
    const std::size_t at = out.size();
    if (isAscii(utf8)) {
        out.resize(at + utf8.size());
        for (std::size_t i = 0; i < utf8.size(); ++i)
            out[at + i] = ascii(utf8[i]);
        return;
    }
    out.reserve(at + utf8.size());
    icu::StringByteSink<std::string> sink(&out);
    UErrorCode status = U_ZERO_ERROR;
    full(utf8, sink, status);
    if (U_FAILURE(status)) {
        out.resize(at);
        out.append(utf8);
    }
}

}  // namespace

void appendLowerFull(std::string& out, std::string_view utf8) {
    appendMapped(out, utf8, asciiLower,
                 [](std::string_view text, icu::ByteSink& sink, UErrorCode& status) {
                     icu::CaseMap::utf8ToLower("", 0, text, sink, nullptr, status);  // "": root
                 });
}

void appendUpperFull(std::string& out, std::string_view utf8) {
    appendMapped(out, utf8, asciiUpper,
                 [](std::string_view text, icu::ByteSink& sink, UErrorCode& status) {
                     icu::CaseMap::utf8ToUpper("", 0, text, sink, nullptr, status);  // "": root
                 });
}

std::string toLowerFull(std::string_view utf8) {
    std::string out;
    appendLowerFull(out, utf8);
    return out;
}

std::string toUpperFull(std::string_view utf8) {
    std::string out;
    appendUpperFull(out, utf8);
    return out;
}

std::string simpleUppercase(std::string_view utf8) {
    std::string key;
    key.reserve(utf8.size());
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(utf8.data());
    const auto length = static_cast<std::int32_t>(utf8.size());
    for (std::int32_t i = 0; i < length;) {
        if (bytes[i] < 0x80) {
            key += asciiUpper(utf8[i++]);
            continue;
        }
        const std::int32_t start = i;
        UChar32 c = 0;
        U8_NEXT(bytes, i, length, c);
        if (c < 0) {
            key.append(utf8.substr(start, i - start));
            continue;
        }
        char upper[U8_MAX_LENGTH];
        std::int32_t written = 0;
        U8_APPEND_UNSAFE(upper, written, u_toupper(c));
        key.append(upper, written);
    }
    return key;
}

}  // namespace vellumix::detail
