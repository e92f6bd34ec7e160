#include "viewmodel/preview_marks.h"

#include <algorithm>
#include <cstdio>

#include <unicode/utf8.h>

#include "engine/utf8.h"
#include "model/file_url.h"
#include "viewmodel/name_warning.h"

namespace vellumix {

namespace {

using Mark = PreviewMarks::Mark;

Mark markOf(const FileItem& item, const RenameOutcome* outcome) {
    const std::string_view current = lastPathComponent(item.url.path());
    if (!detail::isValidUtf8(current)) return Mark::notUtf8;
    if (item.status != FileItem::Status::changed) return Mark::none;
    if (item.newName.empty()) return Mark::emptyName;
    if (outcome != nullptr && outcome->kind == RenameOutcome::Kind::failed) return Mark::willFail;
    return nameWarnings(current, item.newName).any() ? Mark::warning : Mark::none;
}

}  // namespace

PreviewMarks::Mark PreviewMarks::at(std::size_t position) const {
    return position < rows.size() ? rows[position] : Mark::none;
}

std::optional<std::size_t> PreviewMarks::after(std::optional<std::size_t> position) const {
    if (marked.empty()) return std::nullopt;
    if (!position) return marked.front();
    const auto next = std::upper_bound(marked.begin(), marked.end(), *position);
    return next == marked.end() ? marked.front() : *next;
}

std::optional<std::size_t> PreviewMarks::before(std::optional<std::size_t> position) const {
    if (marked.empty()) return std::nullopt;
    if (!position) return marked.back();
    const auto next = std::lower_bound(marked.begin(), marked.end(), *position);
    return next == marked.begin() ? marked.back() : *(next - 1);
}

PreviewMarks marksOf(const std::vector<FileItem>& preview,
                     std::shared_ptr<const RenameResult> foresight) {
    PreviewMarks marks;
    if (foresight && foresight->outcomes.size() != preview.size()) foresight.reset();
    marks.rows.reserve(preview.size());
    for (std::size_t i = 0; i < preview.size(); ++i) {
        const Mark mark = markOf(preview[i], foresight ? &foresight->outcomes[i] : nullptr);
        marks.rows.push_back(mark);
        if (mark == Mark::none) continue;
        marks.marked.push_back(i);
        ++(mark == Mark::willFail  ? marks.failures
           : mark == Mark::warning ? marks.warnings
                                   : marks.skipped);
    }
    marks.foresight = std::move(foresight);
    return marks;
}

std::string readableName(std::string_view name) {
    const auto* s = reinterpret_cast<const std::uint8_t*>(name.data());
    const auto length = static_cast<std::int32_t>(std::min<std::size_t>(name.size(), INT32_MAX));
    std::string text;
    text.reserve(name.size());
    for (std::int32_t i = 0; i < length;) {
        const std::int32_t start = i;
        UChar32 c;
        U8_NEXT(s, i, length, c);
        if (c >= 0) {
            text.append(name.substr(static_cast<std::size_t>(start),
                                    static_cast<std::size_t>(i - start)));
            continue;
        }
        // U8_NEXT steps over the longest ill-formed prefix; each byte is told.
        for (std::int32_t b = start; b < i; ++b) {
            char escape[5];
            std::snprintf(escape, sizeof escape, "\\x%02X", s[b]);
            text += escape;
        }
    }
    return text;
}

}  // namespace vellumix
