#include "engine/unicode_text.h"

#include <unicode/normalizer2.h>
#include <unicode/utf8.h>

namespace vellumix::detail {
namespace {

const icu::Normalizer2* nfcNormalizer() {
    UErrorCode status = U_ZERO_ERROR;
    const icu::Normalizer2* normalizer = icu::Normalizer2::getNFCInstance(status);
    return U_SUCCESS(status) ? normalizer : nullptr;
}

}  // namespace

bool isValidUtf8(std::string_view bytes) {
    const auto* s = reinterpret_cast<const std::uint8_t*>(bytes.data());
    const auto length = static_cast<std::int32_t>(bytes.size());
    if (bytes.size() > static_cast<std::size_t>(INT32_MAX)) return false;
    std::int32_t i = 0;
    while (i < length) {
        UChar32 c;
        U8_NEXT(s, i, length, c);
        if (c < 0) return false;
    }
    return true;
}

bool isAscii(std::string_view bytes) {
    for (const char c : bytes) {
        if (static_cast<unsigned char>(c) >= 0x80) return false;
    }
    return true;
}

icu::UnicodeString toUtf16(std::string_view utf8) {
    return icu::UnicodeString::fromUTF8(icu::StringPiece(utf8.data(), static_cast<std::int32_t>(utf8.size())));
}

std::string toUtf8(const icu::UnicodeString& utf16) {
    std::string out;
    utf16.toUTF8String(out);
    return out;
}

std::string toNfc(std::string_view utf8) {
    if (isAscii(utf8) || !isValidUtf8(utf8)) return std::string(utf8);
    const icu::Normalizer2* normalizer = nfcNormalizer();
    if (normalizer == nullptr) return std::string(utf8);
    UErrorCode status = U_ZERO_ERROR;
    const icu::StringPiece piece(utf8.data(), static_cast<std::int32_t>(utf8.size()));
    if (normalizer->isNormalizedUTF8(piece, status) && U_SUCCESS(status)) return std::string(utf8);
    std::string out;
    icu::StringByteSink<std::string> sink(&out);
    status = U_ZERO_ERROR;
    normalizer->normalizeUTF8(0, piece, sink, nullptr, status);
    return U_SUCCESS(status) ? out : std::string(utf8);
}

bool canonicallyEqual(std::string_view a, std::string_view b) {
    if (a == b) return true;
    if (isAscii(a) && isAscii(b)) return false;
    if (!isValidUtf8(a) || !isValidUtf8(b)) return false;
    return toNfc(a) == toNfc(b);
}

}  // namespace vellumix::detail
