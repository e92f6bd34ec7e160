#include "engine/unicode_text.h"

#include <cstdint>
#include <cstring>
#include <memory>

#include <unicode/brkiter.h>
#include <unicode/casemap.h>
#include <unicode/locid.h>
#include <unicode/normalizer2.h>
#include <unicode/uchar.h>
#include <unicode/uniset.h>
#include <unicode/utext.h>
#include <unicode/utf8.h>

namespace vellumix::detail {
namespace {

// This thread's character break iterator, cloned once from a shared prototype
// (an iterator holds its text, so threads must not share one). Null when ICU
// has no break data.
icu::BreakIterator* characterBreaks() {
    static const std::unique_ptr<icu::BreakIterator> prototype =
        []() -> std::unique_ptr<icu::BreakIterator> {
        UErrorCode status = U_ZERO_ERROR;
        std::unique_ptr<icu::BreakIterator> iterator(
            icu::BreakIterator::createCharacterInstance(icu::Locale::getRoot(), status));
        if (U_FAILURE(status)) return nullptr;
        return iterator;
    }();
    thread_local const std::unique_ptr<icu::BreakIterator> local(prototype ? prototype->clone()
                                                                           : nullptr);
    return local.get();
}

// A frozen set built once from a property pattern: a frozen set answers
// contains() from lookup tables, faster than a property query. Empty when ICU
// lacks the data.
const icu::UnicodeSet* frozenSet(const char16_t* pattern) {
    UErrorCode status = U_ZERO_ERROR;
    auto* set = new icu::UnicodeSet(icu::UnicodeString(pattern), status);
    if (U_FAILURE(status)) set->clear();
    set->freeze();
    return set;  // lives as long as the program
}

icu::StringPiece piece(std::string_view utf8) {
    return icu::StringPiece(utf8.data(), static_cast<std::int32_t>(utf8.size()));
}

// Bytes. The length of the ASCII run at the start of `bytes`, eight bytes at a time.
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

const icu::Normalizer2* canonicalNormalizer(UNormalization2Mode mode) {
    // ICU keeps the instance; asking again costs a check of a once-flag.
    UErrorCode status = U_ZERO_ERROR;
    const icu::Normalizer2* normalizer =
        icu::Normalizer2::getInstance(nullptr, "nfc", mode, status);
    return U_SUCCESS(status) ? normalizer : nullptr;
}

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
    return icu::UnicodeString::fromUTF8(piece(utf8));
}

std::string toUtf8(const icu::UnicodeString& utf16) {
    std::string out;
    utf16.toUTF8String(out);
    return out;
}

std::string toNfc(std::string_view utf8) {
    if (isAscii(utf8) || !isValidUtf8(utf8)) return std::string(utf8);
    const icu::Normalizer2* normalizer = canonicalNormalizer(UNORM2_COMPOSE);
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

bool isNfc(std::string_view utf8) {
    if (isAscii(utf8) || !isValidUtf8(utf8)) return true;
    const icu::Normalizer2* normalizer = canonicalNormalizer(UNORM2_COMPOSE);
    if (normalizer == nullptr) return true;
    UErrorCode status = U_ZERO_ERROR;
    const bool normalized = normalizer->isNormalizedUTF8(piece(utf8), status);
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
    const bool aIsNfc = normalizer->isNormalizedUTF8(piece(a), status);
    const bool bIsNfc = normalizer->isNormalizedUTF8(piece(b), status);
    if (U_FAILURE(status)) return toNfc(a) == toNfc(b);
    if (aIsNfc && bIsNfc) return false;
    const auto nfcOf = [normalizer](std::string_view text, std::string& storage) {
        UErrorCode error = U_ZERO_ERROR;
        icu::StringByteSink<std::string> sink(&storage);
        normalizer->normalizeUTF8(0, piece(text), sink, nullptr, error);
        return U_SUCCESS(error) ? std::string_view(storage) : text;
    };
    std::string aStorage;
    std::string bStorage;
    const std::string_view aForm = aIsNfc ? a : nfcOf(a, aStorage);
    const std::string_view bForm = bIsNfc ? b : nfcOf(b, bStorage);
    return aForm == bForm;
}

std::string toWellFormedUtf8(std::string_view bytes) {
    return isValidUtf8(bytes) ? std::string(bytes) : toUtf8(toUtf16(bytes));
}

bool isAlphanumeric(UChar32 c) {
    return (U_GET_GC_MASK(c) & (U_GC_L_MASK | U_GC_M_MASK | U_GC_N_MASK)) != 0;
}

bool isWhiteSpace(UChar32 c) {
    static const icu::UnicodeSet* const whiteSpace = frozenSet(u"[:White_Space:]");
    return whiteSpace->contains(c);
}

bool isHorizontalSpace(UChar32 c) {
    return c == '\t' || u_charType(c) == U_SPACE_SEPARATOR;
}

namespace {

// Segmenting into user-perceived characters. Where one code point of grapheme
// break class Other, Control, CR or LF meets another (except CR then LF), the
// rules always put a boundary, and no rule looks back across it. So a text is
// cut at such definite boundaries into pieces that segment independently: a
// piece of one code point is one character, and only longer pieces (those with
// marks, joiners, emoji modifiers, flags, Hangul jamo, ...) go through ICU's
// break iterator. Latin, Cyrillic, CJK and most other text never needs it.

enum class BreakKind { other, control, cr, lf, special };

BreakKind breakKind(UChar32 c) {
    if (c < 0x80) {
        if (c == '\r') return BreakKind::cr;
        if (c == '\n') return BreakKind::lf;
        return c < 0x20 || c == 0x7F ? BreakKind::control : BreakKind::other;
    }
    // CR and LF are ASCII; every other class besides Other and Control is special.
    static const icu::UnicodeSet* const other = frozenSet(u"[:Grapheme_Cluster_Break=Other:]");
    static const icu::UnicodeSet* const control = frozenSet(u"[:Grapheme_Cluster_Break=Control:]");
    if (other->contains(c)) return BreakKind::other;
    return control->contains(c) ? BreakKind::control : BreakKind::special;
}

// Control characters, CR and LF: a boundary on either side of them (but CR LF).
bool isBreakAlways(BreakKind kind) {
    return kind == BreakKind::control || kind == BreakKind::cr || kind == BreakKind::lf;
}

bool definiteBoundary(BreakKind before, BreakKind after) {
    if (before == BreakKind::cr && after == BreakKind::lf) return false;
    if (isBreakAlways(before) || isBreakAlways(after)) return true;
    return before == BreakKind::other && after == BreakKind::other;
}

// The byte offset at which the piece that begins at `begin` ends, and whether
// it holds more than one code point.
struct Piece {
    std::size_t end;
    bool single;
};

Piece pieceAt(std::string_view utf8, std::size_t begin) {
    const auto* s = reinterpret_cast<const std::uint8_t*>(utf8.data());
    const auto length = static_cast<std::int32_t>(utf8.size());
    auto i = static_cast<std::int32_t>(begin);
    UChar32 c;
    U8_NEXT_UNSAFE(s, i, c);
    BreakKind kind = breakKind(c);
    bool single = true;
    while (i < length) {
        std::int32_t next = i;
        U8_NEXT_UNSAFE(s, next, c);
        const BreakKind nextKind = breakKind(c);
        if (definiteBoundary(kind, nextKind)) break;
        kind = nextKind;
        single = false;
        i = next;
    }
    return {static_cast<std::size_t>(i), single};
}

// This thread's break iterator set on `piece` (through `text`, which the caller
// closes); null when there is none.
icu::BreakIterator* breaksOver(std::string_view piece, UText& text) {
    icu::BreakIterator* breaks = characterBreaks();
    UErrorCode status = U_ZERO_ERROR;
    // A UTF-8 UText counts in bytes, so the iterator's offsets are byte offsets.
    utext_openUTF8(&text, piece.data(), static_cast<std::int64_t>(piece.size()), &status);
    if (breaks != nullptr) breaks->setText(&text, status);
    return U_SUCCESS(status) ? breaks : nullptr;
}

// Appends the boundaries of the piece utf8[begin, end) except `end` itself.
void appendPieceBoundaries(std::string_view utf8, std::size_t begin, std::size_t end,
                           std::vector<std::size_t>& boundaries) {
    const std::string_view piece = utf8.substr(begin, end - begin);
    UText text = UTEXT_INITIALIZER;
    if (icu::BreakIterator* breaks = breaksOver(piece, text)) {
        for (std::int32_t at = breaks->first(); at != icu::BreakIterator::DONE;
             at = breaks->next()) {
            if (static_cast<std::size_t>(at) < piece.size()) {
                boundaries.push_back(begin + static_cast<std::size_t>(at));
            }
        }
    } else {
        boundaries.push_back(begin);  // no break data (a broken ICU installation)
    }
    utext_close(&text);
}

}  // namespace

std::vector<std::size_t> graphemeBoundaries(std::string_view utf8) {
    std::vector<std::size_t> boundaries;
    boundaries.reserve(utf8.size() + 1);
    if (isAscii(utf8)) {  // ASCII-only: every byte stands alone except the pair "\r\n"
        for (std::size_t i = 0; i < utf8.size(); ++i) {
            if (i == 0 || utf8[i - 1] != '\r' || utf8[i] != '\n') boundaries.push_back(i);
        }
        boundaries.push_back(utf8.size());
        return boundaries;
    }
    for (std::size_t begin = 0; begin < utf8.size();) {
        const Piece piece = pieceAt(utf8, begin);
        if (piece.single) {
            boundaries.push_back(begin);
        } else {
            appendPieceBoundaries(utf8, begin, piece.end, boundaries);
        }
        begin = piece.end;
    }
    boundaries.push_back(utf8.size());
    return boundaries;
}

std::size_t firstGraphemeEnd(std::string_view utf8) {
    if (utf8.empty()) return 0;
    if (utf8.size() == 1 || static_cast<unsigned char>(utf8[1]) < 0x80) {  // ASCII-only
        return utf8[0] == '\r' && utf8.size() > 1 && utf8[1] == '\n' ? 2 : 1;
    }
    const Piece piece = pieceAt(utf8, 0);
    if (piece.single) return piece.end;
    UText text = UTEXT_INITIALIZER;
    std::size_t end = piece.end;
    if (icu::BreakIterator* breaks = breaksOver(utf8.substr(0, piece.end), text)) {
        const std::int32_t at = breaks->following(0);
        if (at != icu::BreakIterator::DONE) end = static_cast<std::size_t>(at);
    }
    utext_close(&text);
    return end;
}

bool isGraphemeBoundary(std::string_view utf8, std::size_t at) {
    if (at == 0 || at >= utf8.size()) return true;
    const auto* s = reinterpret_cast<const std::uint8_t*>(utf8.data());
    auto i = static_cast<std::int32_t>(at);
    UChar32 before;
    U8_PREV_UNSAFE(s, i, before);
    i = static_cast<std::int32_t>(at);
    UChar32 after;
    U8_NEXT_UNSAFE(s, i, after);
    if (definiteBoundary(breakKind(before), breakKind(after))) return true;
    // Back to the start of the piece that holds `at`, then ask ICU about it.
    std::size_t begin = at;
    for (UChar32 next = after; begin > 0;) {
        auto previousAt = static_cast<std::int32_t>(begin);
        UChar32 previous;
        U8_PREV_UNSAFE(s, previousAt, previous);
        if (definiteBoundary(breakKind(previous), breakKind(next))) break;
        begin = static_cast<std::size_t>(previousAt);
        next = previous;
    }
    const Piece piece = pieceAt(utf8, begin);
    UText text = UTEXT_INITIALIZER;
    bool boundary = false;  // without break data a piece is one character
    if (icu::BreakIterator* breaks = breaksOver(utf8.substr(begin, piece.end - begin), text)) {
        boundary = breaks->isBoundary(static_cast<std::int32_t>(at - begin)) != 0;
    }
    utext_close(&text);
    return boundary;
}

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
    icu::CaseMap::utf8ToLower("", 0, piece(utf8), sink, nullptr, status);  // "": root locale
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
    icu::CaseMap::utf8ToUpper("", 0, piece(utf8), sink, nullptr, status);  // "": root locale
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
