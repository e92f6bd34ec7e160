#include "engine/case_mapping.h"

#include <unicode/bytestream.h>
#include <unicode/casemap.h>

#include "engine/utf8.h"

namespace vellumix::detail {

void appendLowerFull(std::string& out, std::string_view utf8) {
    const std::size_t at = out.size();
    if (isAscii(utf8)) {
        out.resize(at + utf8.size());
        for (std::size_t i = 0; i < utf8.size(); ++i)
            out[at + i] = asciiLower(utf8[i]);
        return;
    }
    out.reserve(at + utf8.size());
    icu::StringByteSink<std::string> sink(&out);
    UErrorCode status = U_ZERO_ERROR;
    icu::CaseMap::utf8ToLower("", 0, utf8, sink, nullptr, status);  // "": root locale
    if (U_FAILURE(status)) {  // the text as it came, as if it had no case
        out.resize(at);
        out.append(utf8);
    }
}

void appendUpperFull(std::string& out, std::string_view utf8) {
    const std::size_t at = out.size();
    if (isAscii(utf8)) {
        out.resize(at + utf8.size());
        for (std::size_t i = 0; i < utf8.size(); ++i)
            out[at + i] = asciiUpper(utf8[i]);
        return;
    }
    out.reserve(at + utf8.size() + 8);
    icu::StringByteSink<std::string> sink(&out);
    UErrorCode status = U_ZERO_ERROR;
    icu::CaseMap::utf8ToUpper("", 0, utf8, sink, nullptr, status);  // "": root locale
    if (U_FAILURE(status)) {  // the text as it came, as if it had no case
        out.resize(at);
        out.append(utf8);
    }
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

}  // namespace vellumix::detail
