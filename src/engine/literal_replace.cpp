#include "engine/literal_replace.h"

#include <algorithm>
#include <cstdint>
#include <functional>
#include <string_view>
#include <unordered_map>
#include <vector>

#include <unicode/normalizer2.h>
#include <unicode/uchar.h>
#include <unicode/utf16.h>
#include <unicode/utf8.h>

#include "engine/case_mapping.h"
#include "engine/graphemes.h"
#include "engine/normalization.h"
#include "engine/utf8.h"

namespace vellumix::detail {
namespace {

// Control characters, CR and LF: a user-perceived character always ends after
// them, even before a combining mark.
bool isControl(UChar32 c) {
    if (c < 0x80) return c < 0x20 || c == 0x7F;
    const auto kind = u_getIntPropertyValue(c, UCHAR_GRAPHEME_CLUSTER_BREAK);
    return kind == U_GCB_CONTROL;
}

// The code point that is the whole of `chunk`, or -1 when it holds more.
UChar32 loneCodePoint(std::string_view chunk) {
    const auto* s = reinterpret_cast<const std::uint8_t*>(chunk.data());
    std::int32_t i = 0;
    UChar32 c;
    U8_NEXT_UNSAFE(s, i, c);
    return static_cast<std::size_t>(i) == chunk.size() ? c : -1;
}

// The comparison forms of the chunks seen before on this thread, one cache for
// each setting of case sensitivity. The chunks of names are mostly single
// accented letters that recur from name to name: making a form costs hundreds
// of instructions, looking one up a few dozen. A form depends on nothing but
// the chunk and the setting, so the cache changes no result; it is bounded.
struct ChunkHash {
    using is_transparent = void;
    std::size_t operator()(std::string_view chunk) const {
        return std::hash<std::string_view>{}(chunk);
    }
};
using ChunkKeys = std::unordered_map<std::string, std::u16string, ChunkHash, std::equal_to<>>;
constexpr std::size_t kMaxCachedChunks = 4096;

ChunkKeys& chunkKeyCache(bool caseSensitive) {
    thread_local ChunkKeys caches[2];
    return caches[caseSensitive ? 1 : 0];
}

}  // namespace

LiteralReplacer::LiteralReplacer(std::string_view find, std::string_view replacement,
                                 bool caseSensitive)
    : find_(find),
      replacement_(replacement),
      caseSensitive_(caseSensitive),
      findIsAscii_(isAscii(find)) {
    const icu::UnicodeString key = keyOf(toUtf16(find));
    findKey_.assign(key.getBuffer(), static_cast<std::size_t>(key.length()));
}

// The comparison form: NFD, or NFD(casefold(NFD(text))) when case is ignored
// (canonical caseless matching). Empty when ICU has no normalisation data.
icu::UnicodeString LiteralReplacer::keyOf(const icu::UnicodeString& text) const {
    const icu::Normalizer2* normalizer = canonicalNormalizer(UNORM2_DECOMPOSE);
    if (normalizer == nullptr) return {};
    UErrorCode status = U_ZERO_ERROR;
    icu::UnicodeString key = normalizer->normalize(text, status);
    if (!caseSensitive_) {
        key.foldCase(U_FOLD_CASE_DEFAULT);
        key = normalizer->normalize(key, status);
    }
    return U_SUCCESS(status) ? key : icu::UnicodeString();
}

std::string LiteralReplacer::apply(std::string_view text) const {
    if (find_.empty() || findKey_.empty()) return std::string(text);
    if (findIsAscii_ && isAscii(text)) return applyAscii(text);

    // Cut the text into chunks that each begin where NFD has a boundary (a
    // starter) or after a control character; the comparison form of the text
    // is the concatenation of the chunks' forms. Every boundary between
    // user-perceived characters is a chunk boundary, and a match must begin and
    // end at chunk boundaries that are such boundaries.
    const icu::Normalizer2* normalizer = canonicalNormalizer(UNORM2_DECOMPOSE);
    const auto* s = reinterpret_cast<const std::uint8_t*>(text.data());
    const auto length = static_cast<std::int32_t>(text.size());
    std::vector<std::int32_t> chunkBegin;  // byte offsets, then the text's size
    chunkBegin.reserve(text.size() + 1);
    UChar32 previous = 0;
    for (std::int32_t i = 0; i < length;) {
        const std::int32_t at = i;
        UChar32 c;
        U8_NEXT_UNSAFE(s, i, c);
        if (at == 0 || c < 0x80 || normalizer->hasBoundaryBefore(c) || isControl(previous)) {
            chunkBegin.push_back(at);
        }
        previous = c;
    }
    chunkBegin.push_back(length);

    std::u16string keys;
    keys.reserve(text.size());
    std::vector<std::size_t> keyBegin;  // offsets into `keys`, then its length
    keyBegin.reserve(chunkBegin.size());
    for (std::size_t k = 0; k + 1 < chunkBegin.size(); ++k) {
        keyBegin.push_back(keys.size());
        const std::string_view chunk =
            text.substr(chunkBegin[k], chunkBegin[k + 1] - chunkBegin[k]);
        if (chunk.size() == 1) {  // ASCII-only: a lone ASCII character is its own NFD
            keys += static_cast<char16_t>(caseSensitive_ ? chunk[0] : asciiLower(chunk[0]));
            continue;
        }
        ChunkKeys& cache = chunkKeyCache(caseSensitive_);
        auto known = cache.find(chunk);
        if (known == cache.end()) {
            std::u16string key;
            if (const UChar32 c = loneCodePoint(chunk);
                c >= 0 && normalizer->isInert(c) &&
                (caseSensitive_ || !u_hasBinaryProperty(c, UCHAR_CHANGES_WHEN_CASEFOLDED))) {
                // One code point that neither normalisation nor folding changes.
                char16_t units[U16_MAX_LENGTH];
                std::int32_t count = 0;
                U16_APPEND_UNSAFE(units, count, c);
                key.assign(units, static_cast<std::size_t>(count));
            } else {
                const icu::UnicodeString form = keyOf(toUtf16(chunk));
                key.assign(form.getBuffer(), static_cast<std::size_t>(form.length()));
            }
            if (key.empty()) continue;  // no normalisation data: not kept
            if (cache.size() >= kMaxCachedChunks) cache.clear();
            known = cache.emplace(std::string(chunk), std::move(key)).first;
        }
        keys += known->second;
    }
    keyBegin.push_back(keys.size());

    const std::size_t chunkCount = chunkBegin.size() - 1;
    std::string out;
    out.reserve(text.size());
    std::int32_t copiedTo = 0;  // byte offset up to which `text` has been copied
    const auto betweenCharacters = [&](std::size_t chunk) {
        return isGraphemeBoundary(text, static_cast<std::size_t>(chunkBegin[chunk]));
    };
    for (std::size_t k = 0; k < chunkCount;) {
        const std::size_t end = keyBegin[k] + findKey_.size();
        if (keys.compare(keyBegin[k], findKey_.size(), findKey_) == 0 && betweenCharacters(k)) {
            const auto last = std::lower_bound(keyBegin.begin() + k + 1, keyBegin.end(), end);
            const auto next = static_cast<std::size_t>(last - keyBegin.begin());
            if (last != keyBegin.end() && *last == end && betweenCharacters(next)) {
                out.append(text, copiedTo, chunkBegin[k] - copiedTo);
                out += replacement_;
                copiedTo = chunkBegin[next];
                k = next;
                continue;
            }
        }
        ++k;
    }
    out.append(text, copiedTo);
    return out;
}

// ASCII-only: byte search, letters compared by their small forms when case is
// ignored. Each byte is a user-perceived character except the pair "\r\n",
// which a match must not cut. Gives the same result as the general path.
std::string LiteralReplacer::applyAscii(std::string_view text) const {
    const auto equal = [this](char a, char b) {
        return caseSensitive_ ? a == b : asciiLower(a) == asciiLower(b);
    };
    const auto cutsLineBreak = [text](std::size_t at) {
        return at > 0 && at < text.size() && text[at - 1] == '\r' && text[at] == '\n';
    };
    std::string out;
    out.reserve(text.size());
    std::size_t copiedTo = 0;
    for (std::size_t at = 0; at + find_.size() <= text.size();) {
        if (std::equal(find_.begin(), find_.end(), text.begin() + at, equal) &&
            !cutsLineBreak(at) && !cutsLineBreak(at + find_.size())) {
            out.append(text, copiedTo, at - copiedTo);
            out += replacement_;
            at += find_.size();
            copiedTo = at;
        } else {
            ++at;
        }
    }
    out.append(text, copiedTo);
    return out;
}

}  // namespace vellumix::detail
