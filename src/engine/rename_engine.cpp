// RenameEngine: one name, the preview of a whole list, and the batch rename on
// disk.

#include <algorithm>
#include <chrono>
#include <exception>
#include <iterator>
#include <string_view>
#include <thread>
#include <unordered_map>
#include <utility>

#include "engine/batch_walk.h"
#include "engine/case_only_rename.h"
#include "engine/date_text.h"
#include "engine/disk_moves.h"
#include "engine/foresight.h"
#include "engine/graphemes.h"
#include "engine/name_computer.h"
#include "engine/normalization.h"
#include "engine/rename_engine.h"
#include "engine/utf8.h"
#include "engine/word_case.h"

namespace vellumix {
namespace {

// Lists shorter than twice this are previewed on the calling thread alone:
// starting a thread costs about as much as computing a few hundred names.
constexpr std::size_t kMinFilesPerThread = 4096;
constexpr std::size_t kMaxPreviewThreads = 8;

// The numbering index of each file when companions share a number: files of
// one folder with one base name get the index their group has, in the order
// in which the groups first appear.
std::vector<std::int64_t> companionIndexes(const std::vector<FileItem>& files) {
    std::unordered_map<std::string_view, std::int64_t> groups;
    groups.reserve(files.size());
    std::vector<std::int64_t> indexes;
    indexes.reserve(files.size());
    for (const FileItem& file : files) {
        // The path up to the name's extension: its folder and its base name.
        const std::string& path = file.url.path();
        const std::string_view name = lastPathComponent(path);
        const std::size_t dot = extensionDot(name);
        const std::size_t baseEnd = static_cast<std::size_t>(name.data() - path.data()) +
                                    (dot == std::string_view::npos ? name.size() : dot);
        const auto group =
            groups.try_emplace(std::string_view(path).substr(0, baseEnd), std::ssize(groups));
        indexes.push_back(group.first->second);
    }
    return indexes;
}

// Appends to `out` the previewed copies of files[begin, end): same id and url,
// newName and status filled in. A file's index is its position in the list,
// or its entry of `indexes` when given.
void previewRange(const detail::NameComputer& computer, const RenameConfig& config,
                  std::chrono::system_clock::time_point now, const std::vector<FileItem>& files,
                  const std::vector<std::int64_t>* indexes, std::size_t begin, std::size_t end,
                  std::vector<FileItem>& out) {
    // The date texts are all made first: formatting them between the names
    // would scatter the names' memory, which then costs more to free.
    std::optional<detail::DateTexts> dates;
    std::vector<const std::string*> dateTexts;
    if (config.rule == RenameRule::addDate) {
        dates.emplace(config, now);
        dateTexts.reserve(end - begin);
        for (std::size_t i = begin; i < end; ++i) dateTexts.push_back(dates->textFor(files[i]));
    }
    for (std::size_t i = begin; i < end; ++i) {
        FileItem& item = out.emplace_back(files[i]);
        const std::string_view currentName = lastPathComponent(item.url.path());
        // A file left under its temporary name by an interrupted change of
        // letter case (a pulled drive, a crash) is offered back under the
        // name it carries, whatever the rule.
        const std::optional<std::string_view> carried = detail::nameCarriedBy(currentName);
        const std::int64_t index = indexes ? (*indexes)[i] : static_cast<std::int64_t>(i);
        item.newName = carried ? std::string(*carried)
                               : computer.nameFor(currentName, index,
                                                  dates ? dateTexts[i - begin] : nullptr);
        // Byte-equal names are the common case and need no normalisation. A
        // name that is not UTF-8 computes to itself, so names that differ are
        // both well-formed (the computer never makes an ill-formed name).
        const bool same = item.newName == currentName ||
                          detail::canonicallyEqualWellFormed(item.newName, currentName);
        item.status = same ? FileItem::Status::unchanged : FileItem::Status::changed;
    }
}

}  // namespace

std::string RenameEngine::compute(const RenameConfig& config, const FileItem& file,
                                  std::int64_t index) {
    return compute(config, file, index, std::chrono::system_clock::now());
}

std::string RenameEngine::compute(const RenameConfig& config, const FileItem& file,
                                  std::int64_t index, std::chrono::system_clock::time_point now) {
    const detail::NameComputer computer(config);
    if (config.rule != RenameRule::addDate) return computer.nameFor(file.currentName(), index);
    detail::DateTexts dates(config, now);
    return computer.nameFor(file.currentName(), index, dates.textFor(file));
}

std::string RenameEngine::applyCase(CaseOption option, std::string_view text) {
    return detail::applyCaseStyle(option, text);
}

std::vector<FileItem> RenameEngine::preview(const std::vector<FileItem>& files,
                                            const RenameConfig& config) {
    std::vector<FileItem> result;
    if (files.empty()) return result;
    result.reserve(files.size());
    // One rule, prepared once with one clock reading, for the whole list: every
    // file of one preview gets the same date "now".
    const detail::NameComputer computer(config);
    const auto now = std::chrono::system_clock::now();
    const std::vector<std::int64_t> companions =
        config.rule == RenameRule::addNumber && config.numberCompanions ? companionIndexes(files)
                                                                        : std::vector<std::int64_t>();
    const std::vector<std::int64_t>* indexes = companions.empty() ? nullptr : &companions;

    // Each file's name depends only on the rule, its own name and its index,
    // so a long list is cut into consecutive parts previewed side by side (the
    // copying of the items included) and joined in order: the result is the
    // same item for item.
    const std::size_t cores = std::max(1u, std::thread::hardware_concurrency());
    const std::size_t parts =
        std::min({cores, kMaxPreviewThreads, files.size() / kMinFilesPerThread});
    if (parts <= 1) {
        previewRange(computer, config, now, files, indexes, 0, files.size(), result);
        return result;
    }
    const auto partBegin = [&](std::size_t part) { return files.size() * part / parts; };
    // Part 0 goes straight into the result; the others into lists of their own.
    std::vector<std::vector<FileItem>> partItems(parts);
    std::vector<std::exception_ptr> failures(parts);
    const auto runPart = [&](std::size_t part) {
        try {
            std::vector<FileItem>& out = part == 0 ? result : partItems[part];
            out.reserve(partBegin(part + 1) - partBegin(part));
            previewRange(computer, config, now, files, indexes, partBegin(part), partBegin(part + 1), out);
        } catch (...) {
            failures[part] = std::current_exception();
        }
    };
    detail::prepareUnicodeData();
    std::vector<std::thread> helpers;
    helpers.reserve(parts - 1);
    std::size_t started = 1;  // part 0 is this thread's
    for (; started < parts; ++started) {
        try {
            helpers.emplace_back(runPart, started);
        } catch (...) {
            break;  // no thread to be had: this thread does the remaining parts
        }
    }
    runPart(0);
    for (std::size_t part = started; part < parts; ++part)
        runPart(part);
    for (std::thread& helper : helpers)
        helper.join();
    for (const std::exception_ptr& failure : failures) {
        if (failure) std::rethrow_exception(failure);
    }
    for (std::size_t part = 1; part < parts; ++part) {
        result.insert(result.end(), std::make_move_iterator(partItems[part].begin()),
                      std::make_move_iterator(partItems[part].end()));
    }
    return result;
}

RenameResult RenameEngine::rename(const std::vector<FileItem>& files) {
    detail::DiskMoves moves;
    return detail::walkBatch(files, moves);
}

RenameResult renameFiles(const std::vector<FileItem>& files, BatchProgress& progress) {
    detail::DiskMoves moves;
    return detail::walkBatch(files, moves, {}, &progress);
}

RenameResult RenameEngine::foresee(const std::vector<FileItem>& files) {
    return foreseeFrom(FolderSnapshot::read(files), files);
}

}  // namespace vellumix
