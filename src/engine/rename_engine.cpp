// RenameEngine: one name, the preview of a whole list, and the batch rename on
// disk.

#include <algorithm>
#include <chrono>
#include <exception>
#include <iterator>
#include <optional>
#include <thread>
#include <utility>

#include "engine/batch_folders.h"
#include "engine/case_only_rename.h"
#include "engine/failure_text.h"
#include "engine/file_move.h"
#include "engine/name_computer.h"
#include "engine/normalization.h"
#include "engine/rename_engine.h"
#include "engine/utf8.h"
#include "engine/word_case.h"

namespace vellumix {
namespace {

// What the batch does with `item`, which the preview found `changed` to a
// non-empty name under a current name `name` that is valid UTF-8: gives the
// file its new name within its own folder, or tells why it could not.
std::optional<Failure> moveFailure(detail::BatchFolders& folders, const FileItem& item,
                                   const std::string& name) {
    const std::string& newName = item.newName;
    // The new name stays one component of the file's own folder.
    if (const std::optional<FailureKind> kind = detail::invalidNameKind(newName)) {
        return Failure{*kind, name, newName, 0};
    }
    const detail::OpenFolder& folder = folders.open(item.url.deletingLastPathComponent().path());
    if (folder.fd == -1) {
        return Failure{failureKindOf(folder.error), name, newName, folder.error};
    }
    if (std::optional<Failure> refusal =
            detail::driveRefusal(folder.fd, folder.drive, name, newName)) {
        return refusal;
    }
    const int error = detail::renameAllowingCaseOnlyChange(folder.fd, name, newName);
    if (error == 0) return std::nullopt;
    return Failure{detail::moveFailureKind(folder.fd, name, newName, error), name, newName, error};
}

// What the batch does with `item`, moves included.
RenameOutcome outcomeOf(detail::BatchFolders& folders, const FileItem& item) {
    RenameOutcome outcome{RenameOutcome::Kind::moved, item.url, item.newName, {}};
    const std::string name = item.currentName();
    if (item.status != FileItem::Status::changed) {
        outcome.kind = RenameOutcome::Kind::unchanged;
    } else if (item.newName.empty()) {
        outcome.kind = RenameOutcome::Kind::emptyName;
    } else if (!detail::isValidUtf8(name)) {
        outcome.kind = RenameOutcome::Kind::notUtf8;
    } else if (std::optional<Failure> failure = moveFailure(folders, item, name)) {
        outcome.kind = RenameOutcome::Kind::failed;
        outcome.failure = std::move(*failure);
    }
    return outcome;
}

// The counts, the failure sentences and the moved positions of `outcomes`.
RenameResult resultOf(std::vector<RenameOutcome> outcomes) {
    RenameResult result;
    for (std::size_t i = 0; i < outcomes.size(); ++i) {
        const RenameOutcome& outcome = outcomes[i];
        if (outcome.kind == RenameOutcome::Kind::moved) {
            ++result.success;
            result.moved.push_back(i);
        } else if (outcome.kind == RenameOutcome::Kind::failed) {
            result.errors.emplace_back(outcome.failure.name, failureText(outcome.failure));
        }
    }
    result.outcomes = std::move(outcomes);
    return result;
}

// Lists shorter than twice this are previewed on the calling thread alone:
// starting a thread costs about as much as computing a few hundred names.
constexpr std::size_t kMinFilesPerThread = 4096;
constexpr std::size_t kMaxPreviewThreads = 8;

// Appends to `out` the previewed copies of files[begin, end), whose positions
// in the list are their indexes: same id and url, newName and status filled in.
void previewRange(const detail::NameComputer& computer, const std::vector<FileItem>& files,
                  std::size_t begin, std::size_t end, std::vector<FileItem>& out) {
    for (std::size_t i = begin; i < end; ++i) {
        FileItem& item = out.emplace_back(files[i]);
        const std::string_view currentName = lastPathComponent(item.url.path());
        item.newName = computer.nameFor(currentName, static_cast<std::int64_t>(i));
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
    return detail::NameComputer(config, now).nameFor(file.currentName(), index);
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
    // file of one preview gets the same date.
    const detail::NameComputer computer(config, std::chrono::system_clock::now());

    // Each file's name depends only on the rule, its own name and its position,
    // so a long list is cut into consecutive parts previewed side by side (the
    // copying of the items included) and joined in order: the result is the
    // same item for item.
    const std::size_t cores = std::max(1u, std::thread::hardware_concurrency());
    const std::size_t parts =
        std::min({cores, kMaxPreviewThreads, files.size() / kMinFilesPerThread});
    if (parts <= 1) {
        previewRange(computer, files, 0, files.size(), result);
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
            previewRange(computer, files, partBegin(part), partBegin(part + 1), out);
        } catch (...) {
            failures[part] = std::current_exception();
        }
    };
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
    std::vector<RenameOutcome> outcomes;
    outcomes.reserve(files.size());
    detail::BatchFolders folders;
    for (const FileItem& item : files)
        outcomes.push_back(outcomeOf(folders, item));
    return resultOf(std::move(outcomes));
}

}  // namespace vellumix
