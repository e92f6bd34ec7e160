#include "engine/character_rules.h"

#include <cstddef>
#include <vector>

#include <unicode/utf8.h>

#include "engine/character_classes.h"
#include "engine/graphemes.h"
#include "engine/utf8.h"
#include "engine/word_case.h"

namespace vellumix::detail {

std::string removeCharacters(std::string_view text, std::int64_t from, std::int64_t count) {
    const std::vector<std::size_t> bounds = graphemeBoundaries(text);
    const auto characters = static_cast<std::int64_t>(bounds.size() - 1);
    // Clamping before any arithmetic keeps every value within [0, characters].
    const std::int64_t start = from < 0 ? 0 : (from > characters ? characters : from);
    const std::int64_t room = characters - start;
    const std::int64_t n = count < 0 ? 0 : (count > room ? room : count);
    if (n < 1) return std::string(text);
    std::string out(text.substr(0, bounds[start]));
    out += text.substr(bounds[start + n]);
    return out;
}

namespace {

// cleanUp for ASCII-only text. In ASCII the trimming set (Zs and tab) is the
// space and the tab, and white space is the tab, the line breaks LF, VT, FF,
// CR, and the space.
std::string cleanUpAscii(std::string_view text) {
    const auto trimmed = [](char c) {
        return c == '_' || c == '-' || c == '.' || c == ' ' || c == '\t';
    };
    const auto separates = [](char c) {
        return c == '_' || c == '-' || c == '.' || c == ' ' || (c >= '\t' && c <= '\r');
    };
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end && trimmed(text[begin]))
        ++begin;
    while (end > begin && trimmed(text[end - 1]))
        --end;
    std::string spaced;
    spaced.reserve(end - begin);
    bool inRun = false;
    for (std::size_t i = begin; i < end; ++i) {
        if (separates(text[i])) {
            if (!inRun) spaced += ' ';
            inRun = true;
        } else {
            spaced += text[i];
            inRun = false;
        }
    }
    return capitaliseSpaceWords(spaced);
}

}  // namespace

std::string cleanUp(std::string_view text) {
    if (isAscii(text)) return cleanUpAscii(text);
    const auto* s = reinterpret_cast<const std::uint8_t*>(text.data());
    const auto length = static_cast<std::int32_t>(text.size());

    // "_", "-" and "." become spaces where they stand as user-perceived
    // characters of their own, as Find & Replace matches them: not where a
    // mark extends them ("_" + U+0301) or a prepended sign holds them.
    const auto isSeparator = [text](UChar32 c, std::int32_t at, std::int32_t next) {
        return (c == '_' || c == '-' || c == '.') &&
               isGraphemeBoundary(text, static_cast<std::size_t>(at)) &&
               isGraphemeBoundary(text, static_cast<std::size_t>(next));
    };

    // Trim Zs and tabs at both ends (separators count as spaces too, since
    // they become spaces first).
    std::int32_t begin = 0;
    while (begin < length) {
        std::int32_t next = begin;
        UChar32 c;
        U8_NEXT_UNSAFE(s, next, c);
        if (!isSeparator(c, begin, next) && !isHorizontalSpace(c)) break;
        begin = next;
    }
    std::int32_t end = length;
    while (end > begin) {
        std::int32_t previous = end;
        UChar32 c;
        U8_PREV_UNSAFE(s, previous, c);
        if (!isSeparator(c, previous, end) && !isHorizontalSpace(c)) break;
        end = previous;
    }

    // Separators become spaces, and every run of white space becomes one space.
    std::string spaced;
    spaced.reserve(static_cast<std::size_t>(end - begin));
    bool inRun = false;
    for (std::int32_t i = begin; i < end;) {
        const std::int32_t at = i;
        UChar32 c;
        U8_NEXT_UNSAFE(s, i, c);
        if (isSeparator(c, at, i) || isWhiteSpace(c)) {
            if (!inRun) spaced += ' ';
            inRun = true;
        } else {
            spaced.append(text, at, i - at);
            inRun = false;
        }
    }
    return capitaliseSpaceWords(spaced);
}

}  // namespace vellumix::detail
