#include "engine/normalization.h"

#include <unicode/bytestream.h>

#include "engine/utf8.h"

namespace vellumix::detail {

const icu::Normalizer2* canonicalNormalizer(UNormalization2Mode mode) {
    // ICU keeps the instance; asking again costs a check of a once-flag.
    UErrorCode status = U_ZERO_ERROR;
    const icu::Normalizer2* normalizer =
        icu::Normalizer2::getInstance(nullptr, "nfc", mode, status);
    return U_SUCCESS(status) ? normalizer : nullptr;
}

std::string toNfc(std::string_view utf8) {
    if (isAscii(utf8) || !isValidUtf8(utf8)) return std::string(utf8);
    const icu::Normalizer2* normalizer = canonicalNormalizer(UNORM2_COMPOSE);
    if (normalizer == nullptr) return std::string(utf8);
    UErrorCode status = U_ZERO_ERROR;
    if (normalizer->isNormalizedUTF8(utf8, status) && U_SUCCESS(status)) return std::string(utf8);
    std::string out;
    icu::StringByteSink<std::string> sink(&out);
    status = U_ZERO_ERROR;
    normalizer->normalizeUTF8(0, utf8, sink, nullptr, status);
    return U_SUCCESS(status) ? out : std::string(utf8);
}

bool isNfc(std::string_view utf8) {
    if (isAscii(utf8) || !isValidUtf8(utf8)) return true;
    const icu::Normalizer2* normalizer = canonicalNormalizer(UNORM2_COMPOSE);
    if (normalizer == nullptr) return true;
    UErrorCode status = U_ZERO_ERROR;
    const bool normalized = normalizer->isNormalizedUTF8(utf8, status);
    return normalized && U_SUCCESS(status);  // when unsure, false: toNfc decides
}

bool canonicallyEqual(std::string_view a, std::string_view b) {
    if (a == b) return true;
    if (!isValidUtf8(a) || !isValidUtf8(b)) return false;
    return canonicallyEqualWellFormed(a, b);
}

bool canonicallyEqualWellFormed(std::string_view a, std::string_view b) {
    if (a == b) return true;
    if (isAscii(a) && isAscii(b)) return false;
    const icu::Normalizer2* normalizer = canonicalNormalizer(UNORM2_COMPOSE);
    if (normalizer == nullptr) return false;  // no data: only byte-equal texts are equal
    // Each text has exactly one NFC form, so two different texts that are both
    // in it are not equivalent. Most names are; checking copies nothing, and
    // only a text that is not in NFC is normalised.
    UErrorCode status = U_ZERO_ERROR;
    const bool aIsNfc = normalizer->isNormalizedUTF8(a, status);
    const bool bIsNfc = normalizer->isNormalizedUTF8(b, status);
    if (U_FAILURE(status)) return toNfc(a) == toNfc(b);
    if (aIsNfc && bIsNfc) return false;
    const auto nfcOf = [normalizer](std::string_view text, std::string& storage) {
        UErrorCode error = U_ZERO_ERROR;
        icu::StringByteSink<std::string> sink(&storage);
        normalizer->normalizeUTF8(0, text, sink, nullptr, error);
        return U_SUCCESS(error) ? std::string_view(storage) : text;
    };
    std::string aStorage;
    std::string bStorage;
    const std::string_view aForm = aIsNfc ? a : nfcOf(a, aStorage);
    const std::string_view bForm = bIsNfc ? b : nfcOf(b, bStorage);
    return aForm == bForm;
}

}  // namespace vellumix::detail
