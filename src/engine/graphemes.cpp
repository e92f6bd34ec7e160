#include "engine/graphemes.h"

#include <cstdint>
#include <memory>

#include <unicode/brkiter.h>
#include <unicode/locid.h>
#include <unicode/utext.h>
#include <unicode/utf8.h>

#include "engine/character_classes.h"
#include "engine/normalization.h"
#include "engine/utf8.h"

namespace vellumix::detail {
namespace {

// This thread's character break iterator (an iterator holds its text, so
// threads must not share one), made on the thread's first use and kept:
// making one takes longer than computing a name. Null when ICU has no break
// data.
icu::BreakIterator* characterBreaks() {
    thread_local const std::unique_ptr<icu::BreakIterator> breaks =
        []() -> std::unique_ptr<icu::BreakIterator> {
        UErrorCode status = U_ZERO_ERROR;
        std::unique_ptr<icu::BreakIterator> iterator(
            icu::BreakIterator::createCharacterInstance(icu::Locale::getRoot(), status));
        if (U_FAILURE(status)) return nullptr;
        return iterator;
    }();
    return breaks.get();
}

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

void prepareUnicodeData() {
    (void)canonicalNormalizer(UNORM2_COMPOSE);
    // A mark, a joined emoji, a flag and Hangul jamo: each goes through the iterator.
    (void)graphemeBoundaries("e\u0301 \U0001F469\u200D\U0001F4BB \U0001F1E9\U0001F1EA \u1100\u1161");
}

}  // namespace vellumix::detail
