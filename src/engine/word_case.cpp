// The six case styles. Lower- and upper-casing are the full Unicode default
// case mapping (ICU root locale); words are counted as described per style.

#include <algorithm>
#include <cstdint>
#include <utility>
#include <vector>

#include <unicode/utf8.h>

#include "engine/case_mapping.h"
#include "engine/character_classes.h"
#include "engine/graphemes.h"
#include "engine/utf8.h"
#include "engine/word_case.h"

namespace vellumix::detail {
namespace {

// Appends `word` to `out` with its first user-perceived character, which ends
// at byte `firstEnd`, upper-cased and the rest lower-cased.
void appendCapitalised(std::string& out, std::string_view word, std::size_t firstEnd) {
    appendUpperFull(out, word.substr(0, firstEnd));
    appendLowerFull(out, word.substr(firstEnd));
}

// capitaliseSpaceWords for ASCII-only text. Every character is one byte
// except the pair "\r\n", and neither of its bytes has case, so upper-casing
// the first byte of a word is upper-casing its first character.
std::string capitaliseAsciiSpaceWords(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    std::size_t i = 0;
    while (true) {
        while (i < text.size() && text[i] == ' ')
            ++i;
        if (i == text.size()) break;
        const std::size_t end = std::min(text.find(' ', i), text.size());
        if (!out.empty()) out += ' ';
        out += asciiUpper(text[i]);
        for (++i; i < end; ++i)
            out += asciiLower(text[i]);
    }
    return out;
}

// Alphanumeric words: the maximal runs of code points of general category
// L, M or N, in text order. Every other code point separates and is dropped.
std::vector<std::string_view> alphanumericWords(std::string_view text) {
    std::vector<std::string_view> words;
    const auto* s = reinterpret_cast<const std::uint8_t*>(text.data());
    const auto length = static_cast<std::int32_t>(text.size());
    std::int32_t wordStart = -1;
    for (std::int32_t i = 0; i < length;) {
        const std::int32_t at = i;
        UChar32 c;
        U8_NEXT(s, i, length, c);
        const bool inWord = c >= 0 && isAlphanumeric(c);
        if (inWord && wordStart < 0) wordStart = at;
        if (!inWord && wordStart >= 0) {
            words.push_back(text.substr(wordStart, at - wordStart));
            wordStart = -1;
        }
    }
    if (wordStart >= 0) words.push_back(text.substr(wordStart));
    return words;
}

std::string joinLowered(const std::vector<std::string_view>& words, char joiner) {
    std::string out;
    for (std::size_t i = 0; i < words.size(); ++i) {
        if (i > 0) out += joiner;
        appendLowerFull(out, words[i]);
    }
    return out;
}

}  // namespace

std::string capitalise(std::string_view word) {
    std::string out;
    appendCapitalised(out, word, firstGraphemeEnd(word));
    return out;
}

std::string capitaliseSpaceWords(std::string_view text) {
    if (isAscii(text)) return capitaliseAsciiSpaceWords(text);
    const std::vector<std::size_t> bounds = graphemeBoundaries(text);
    const std::size_t count = bounds.size() - 1;  // user-perceived characters
    std::string out;
    out.reserve(text.size());
    std::size_t wordStart = 0;  // the character that begins the current word
    for (std::size_t i = 0; i <= count; ++i) {
        const bool cut = i == count || (bounds[i + 1] - bounds[i] == 1 && text[bounds[i]] == ' ');
        if (!cut) continue;
        if (i > wordStart) {
            if (!out.empty()) out += ' ';
            appendCapitalised(out, text.substr(bounds[wordStart], bounds[i] - bounds[wordStart]),
                              bounds[wordStart + 1] - bounds[wordStart]);
        }
        wordStart = i + 1;
    }
    return out;
}

// Text that is not well-formed UTF-8 comes back unchanged: no style can tell
// its characters apart.
std::string applyCaseStyle(CaseOption option, std::string_view text) {
    if (!detail::isValidUtf8(text)) return std::string(text);
    switch (option) {
        case CaseOption::lowercase:
            return detail::toLowerFull(text);
        case CaseOption::uppercase:
            return detail::toUpperFull(text);
        case CaseOption::titleCase:
            return detail::capitaliseSpaceWords(text);
        case CaseOption::camelCase: {
            const std::vector<std::string_view> words = detail::alphanumericWords(text);
            if (words.empty()) return std::string(text);
            std::string out = detail::toLowerFull(words.front());
            for (std::size_t i = 1; i < words.size(); ++i)
                detail::appendCapitalised(out, words[i], detail::firstGraphemeEnd(words[i]));
            return out;
        }
        case CaseOption::snakeCase:
            return detail::joinLowered(detail::alphanumericWords(text), '_');
        case CaseOption::kebabCase:
            return detail::joinLowered(detail::alphanumericWords(text), '-');
    }
    return std::string(text);
}

}  // namespace vellumix::detail
