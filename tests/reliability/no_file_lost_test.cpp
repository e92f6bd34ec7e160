// The no-file-lost property on real files, on every drive the machine can
// mount: whatever the names and the rule, a rename keeps every file; its
// foresight, taken just before, tells exactly what it then does; its undo
// puts every folder back as it was, and a redo then does the rename again. Seeded
// random cases (2,000 here, 150 on a mounted drive) each make a small folder
// of files with distinct contents (names that collide under the rule or in
// letter case, chains and swaps, NFC and NFD, emoji, names that are not UTF-8;
// new names that are empty, hold "/" or "..", or that FAT can't hold), rename,
// and check: the same contents, each file directly in its folder; each item
// moved to its new name, or stayed with a failure whose sentence tells the
// truth, or was to be left alone and stayed (decided here from the item
// alone: not changed, no new name, or a name ICU cannot decode). A drive
// simply gets no file of a name it can't hold. VELLUMIX_PROPERTY_SEED,
// VELLUMIX_PROPERTY_CASES and VELLUMIX_PROPERTY_FIRST (default 0) choose the
// cases; a failing case prints the settings that replay it alone.
#include <unicode/ustring.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <random>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "engine/batch_undo.h"
#include "engine/rename_engine.h"
#include "model/file_item.h"
#include "model/file_url.h"
#include "model/rename_config.h"
#include "model/rename_rule.h"
#include "support/folder_state.h"
#include "support/mounted_drive.h"
#include "support/temp_dir.h"

namespace vellumix {
namespace {

using namespace vellumix::testing;

constexpr std::uint64_t kDefaultSeed = 20250314;
constexpr std::uint64_t kDefaultCases = 2000;
constexpr std::uint64_t kDefaultCasesOnMountedDrives = 150;

std::uint64_t environmentNumber(const char* name, std::uint64_t fallback) {
    const char* value = std::getenv(name);
    return value != nullptr && *value != '\0' ? std::strtoull(value, nullptr, 10) : fallback;
}

// A small generator whose draws do not depend on the standard library's
// distributions, so that a seed means the same case everywhere.
struct Random {
    std::mt19937_64 engine;
    std::uint64_t below(std::uint64_t n) { return n == 0 ? 0 : engine() % n; }
    bool percent(int p) { return below(100) < static_cast<std::uint64_t>(p); }
    template <class T>
    const T& pick(const std::vector<T>& options) {
        return options[below(options.size())];
    }
};

// Pieces of names. No "/" and no NUL (no file can have them in its name) and
// never the name "sub", which is the subfolder every case makes.
// clang-format off
const std::vector<std::string> kStems = {
    "a", "b", "c", "A", "ab", "photo", "Photo", "IMG_1", "img 2", "file10", "file2", "x-y_z", "notes",
    "my_holiday-photo.final", "\u00E9", "e\u0301", "\u00DF", "SS", "\u0130", "\u03A3\u03C3\u03C2",
    "\uFB01le", "\U0001F600", "\U0001F44D\U0001F3FD", "\U0001F468\u200D\U0001F469\u200D\U0001F467",
    "\uD55C\uAD6D", "a\tb", "line\nbreak", " lead", "trail ", "\u00A0nbsp", "$1", "..", "-",
    "\xFF", "bad\xC3", "\xED\xA0\x80", "\xC0\xAF",  // not UTF-8
};
const std::vector<std::string> kExtensions = {
    "", "", ".txt", ".TXT", ".jpg", ".tar.gz", ".", ".\xC3\xA9", ".\xFF", ".md",
};

// Texts for the rules (to insert, find, replace with, or separate by):
// ordinary ones and the ones that make bad names.
const std::vector<std::string> kTexts = {
    "", "x", "IMG_", "_v2", ".md", "/", "sub/", "../", "../../", "a/b", ".", "..", "\xFF", "\u00E9",
    "e\u0301", "\U0001F600", "\n", std::string(300, 'x'), "a", "A", "1", "_", " ", "-", "photo",
    "\xC3\x9F", "ss", "\xCF\x83", "$1", "(", ":",
};
const std::vector<std::string> kPatterns = {
    "^",         "$",    ".*",  ".",        "(\\d+)",    "([a-z])", "(",    "",       "[",   "a|b",
    "^(.)(.*)$", "\\w+", "\\s", "\xC3\xA9", "e\xCC\x81", "\\p{L}",  "^.*$", "[^a-z]", "\\X", "\xFF",
};
const std::vector<std::string> kTemplates = {
    "", "$1", "$2", "$", "\\$", "/", "$0/", "x", "$2$1", "[$1]", "$0$0", "sub/$0", "\\",
};
const std::vector<std::string> kDateFormats = {
    "yyyy-MM-dd", "",  "yyyy",       "'x'",        "''",   "'",   "EEEE",
    "MMMM",       "G", "yyyy/MM/dd", "dd.MM.yyyy", "\xFF", "'/'",
};
// Starts, steps, paddings and positions.
const std::vector<std::int64_t> kNumbers = {
    1, 0, -1, 2, 3, -5, 7, 10, 99, 300, INT64_MAX, INT64_MIN,
};

// clang-format on

std::string randomName(Random& random) {
    std::string name = random.percent(5) ? "." : "";
    const int stems = 1 + static_cast<int>(random.below(2));
    for (int i = 0; i < stems; ++i)
        name += random.pick(kStems);
    name += random.pick(kExtensions);
    return name;
}

// `name` with its first composed é decomposed (e and a combining acute).
std::string decomposed(std::string name) {
    const std::size_t composed = name.find("\xC3\xA9");
    if (composed != std::string::npos) name.replace(composed, 2, "e\xCC\x81");
    return name;
}

// 2 to 12 distinct names; a name with a composed é sometimes gets its decomposed
// twin as another file.
std::vector<std::string> randomNames(Random& random) {
    const std::size_t count = 2 + random.below(11);
    std::vector<std::string> names;
    std::set<std::string> seen;
    while (names.size() < count) {
        std::string name = randomName(random);
        const bool usable = name != "." && name != ".." && name != "sub" && name.size() <= 255;
        if (!usable || name.find('/') != std::string::npos || !seen.insert(name).second) continue;
        names.push_back(name);
        if (names.size() < count && random.percent(40) && seen.insert(decomposed(name)).second) {
            names.push_back(decomposed(name));
        }
    }
    return names;
}

RenameConfig randomConfig(Random& random) {
    RenameConfig config;
    const auto rules = allCases<RenameRule>();
    config.rule = rules[random.below(rules.size())];
    config.text = random.pick(kTexts);
    config.caseSensitive = random.percent(50);
    const auto options = allCases<CaseOption>();
    config.caseOption = options[random.below(options.size())];
    config.numberStart = random.pick(kNumbers);
    config.numberStep = random.pick(kNumbers);
    config.numberPadding = random.pick(kNumbers);
    config.numberPosition = random.percent(50) ? InsertPosition::prefix : InsertPosition::suffix;
    config.numberSeparator = random.pick(kTexts);
    config.dateFormat = random.pick(kDateFormats);
    config.datePosition = random.percent(50) ? InsertPosition::prefix : InsertPosition::suffix;
    config.dateSeparator = random.pick(kTexts);
    config.removeFrom = random.pick(kNumbers);
    config.removeCount = random.pick(kNumbers);
    const bool regex = config.rule == RenameRule::regexReplace;
    config.findText = random.pick(regex ? kPatterns : kTexts);
    config.replaceText = random.pick(regex ? kTemplates : kTexts);
    return config;
}

// Where the contents of the item at `url` are: the file itself, or the file
// "inside" a folder item.
std::string contentPath(const FileUrl& url) {
    return url.hasDirectoryPath() ? url.path() + "inside" : url.path();
}

// Whether ICU decodes `name` as UTF-8: text, as opposed to other bytes.
bool isText(const std::string& name) {
    UErrorCode status = U_ZERO_ERROR;
    std::int32_t length = 0;
    u_strFromUTF8(nullptr, 0, &length, name.data(), static_cast<std::int32_t>(name.size()),
                  &status);
    return status != U_INVALID_CHAR_FOUND;
}

// Whether a rename must leave `item` alone: it is not previewed as changed, it
// has no new name, or its current name is not text.
bool leftAlone(const FileItem& item) {
    return item.status != FileItem::Status::changed || item.newName.empty() ||
           !isText(item.currentName());
}

// The folders of one case, on the drive: the files go into root/d1/d2/d3/work,
// beside an empty subfolder work/sub; the three folders above leave room for
// "../" in new names without ever leaving the case's root.
struct CaseFolder {
    FileSystem drive;
    TempDir root;
    std::string work = root.path() + "/d1/d2/d3/work";
    std::string sub = work + "/sub";

    CaseFolder(FileSystem fileSystem, const std::string& path) : drive(fileSystem), root(path) {
        std::filesystem::create_directories(sub);
    }

    // Makes one file per name the drive takes (exfat-fuse cannot list a folder
    // that holds a name of other bytes), each with its own contents, and
    // returns their URLs. The name at `folderAt` (if any) becomes a folder
    // instead, holding a file "inside" with the contents; its URL ends with "/".
    std::vector<FileUrl> makeFiles(const std::vector<std::string>& names, std::uint64_t caseSeed,
                                   std::size_t folderAt) const {
        std::vector<FileUrl> urls;
        for (std::size_t i = 0; i < names.size(); ++i) {
            std::string path = work + "/" + names[i];
            std::error_code error;  // a name taken in other letters or another form is skipped
            if ((!holdsAnyBytes(drive) && !isText(names[i])) ||
                std::filesystem::exists(std::filesystem::symlink_status(path, error)) ||
                (i == folderAt && !std::filesystem::create_directory(path, error)))
                continue;
            if (i == folderAt) path += "/";
            std::ofstream out(contentPath(FileUrl(path)), std::ios::binary);
            if (out << "case " << caseSeed << " file " << i << " " << escapedBytes(names[i]))
                urls.emplace_back(path);
        }
        return urls;
    }

    // Whether `path` is where a test file may be: directly in `work`, or as
    // "inside" of a folder directly in `work` other than `sub`.
    bool inPlace(const std::filesystem::path& path) const {
        const std::filesystem::path parent = path.parent_path();
        if (parent == work) return true;
        return path.filename() == "inside" && parent.parent_path() == work && parent != sub;
    }

    // What must hold of the tree after any rename: the same contents, every file
    // directly in `work`, no folder made or removed, nothing else created.
    std::string checkNothingLost(const FolderState& before, const FolderState& after) const {
        std::string problems;
        if (!after.error.empty()) problems += "cannot walk the folder: " + after.error + "\n";
        if (after.contents() != before.contents()) {
            problems += "the file contents differ: a file was lost or overwritten\n";
        }
        for (const auto& [path, data] : after.files) {
            if (!inPlace(path)) problems += "a file left its folder: " + escapedBytes(path) + "\n";
        }
        // A folder item holds its file "inside", so it cannot leave `work`
        // unnoticed; no folder is made or removed.
        if (after.folders.size() != before.folders.size()) problems += "the folders changed\n";
        if (!after.others.empty()) problems += "something other than files appeared\n";
        return problems;
    }
};

// What one item did, judged by where its contents are now.
enum class Outcome { moved, stayed, elsewhere };

Outcome outcomeOf(const FolderState& after, const std::string& contents, const FileUrl& from,
                  const std::string& newName) {
    const std::string now = after.pathOf(contents);
    if (now == contentPath(from)) return Outcome::stayed;
    FileUrl destination = from.deletingLastPathComponent().appendingPathComponent(newName);
    if (from.hasDirectoryPath()) destination = destination.appendingPathComponent("");
    if (!newName.empty() && now == contentPath(destination)) return Outcome::moved;
    return Outcome::elsewhere;
}

// Whether exFAT and FAT must refuse `newName` as a name they can't hold: one
// component of text of fitting length with one of "*:<>?\| or a control character.
bool fatRefuses(const std::string& newName) {
    const bool component =
        newName.find('/') == std::string::npos && newName.size() <= 255 && isText(newName);
    return component && std::any_of(newName.begin(), newName.end(), [](char c) {
               return static_cast<unsigned char>(c) < 0x20 ||
                      std::string_view("\"*:<>?\\|").find(c) != std::string_view::npos;
           });
}

// What the cases did, for the summary line.
struct Totals {
    std::int64_t cases = 0, files = 0, moved = 0, refused = 0, skipped = 0;
};

// Checks every item of one rename on `drive` against the files before and
// after it and against the result. Returns what went wrong, or "".
std::string checkItems(FileSystem drive, const FolderState& before, const FolderState& after,
                       const std::vector<FileItem>& items, const RenameResult& result,
                       Totals& totals) {
    std::string problems;
    std::size_t stayed = 0;
    for (std::size_t i = 0; i < items.size(); ++i) {
        const FileItem& item = items[i];
        const std::string where =
            "[" + std::to_string(i) + "] '" + escapedBytes(item.currentName()) + "' ";
        const std::string& contents = before.files.at(contentPath(item.url));
        const Outcome outcome = outcomeOf(after, contents, item.url, item.newName);
        const bool reportedMoved = std::binary_search(result.moved.begin(), result.moved.end(), i);
        const bool refusedName = ignoresCase(drive) && fatRefuses(item.newName);
        if (leftAlone(item)) {
            ++totals.skipped;
            if (outcome != Outcome::stayed || reportedMoved) problems += where + "was to stay\n";
        } else if (outcome == Outcome::moved && !refusedName) {
            ++totals.moved;
            if (!reportedMoved) problems += where + "moved but is not reported moved\n";
        } else if (outcome == Outcome::stayed && !reportedMoved) {
            ++totals.refused;
            if (stayed >= result.errors.size()) {
                problems += where + "stayed without an error entry\n";
                continue;
            }
            const auto& [name, reason] = result.errors[stayed++];
            const std::string said = "'" + escapedBytes(reason) + "'";
            if (name != item.currentName()) problems += where + "has the error entry of another\n";
            if (std::count_if(reason.begin(), reason.end(), ::isalpha) < 3) {
                problems += where + "has no sentence: " + said + "\n";
            }
            if (reason.find("no longer exists") != std::string::npos) {
                problems += where + "is still there but " + said + "\n";
            }
            const std::string notOnDrive =
                "\u201C" + item.newName + "\u201D can't be used as a name on this drive.";
            if (refusedName && reason != notOnDrive) {
                problems += where + "was refused with " + said + "\n";
            }
        } else {
            problems += where +
                        (outcome == Outcome::elsewhere ? "is neither under its old nor its new name"
                         : outcome == Outcome::moved   ? "got a name FAT can't hold"
                                                       : "stayed but is reported moved") +
                        "\n";
        }
    }
    if (stayed != result.errors.size()) {
        problems += std::to_string(result.errors.size()) + " failures reported for " +
                    std::to_string(stayed) + " files that stayed\n";
    }
    return problems;
}

std::string describeItems(const std::vector<FileItem>& items) {
    constexpr const char* kStatus[] = {"pending", "changed", "unchanged", "error"};
    std::string out;
    for (std::size_t i = 0; i < items.size(); ++i) {
        out += "  [" + std::to_string(i) + "] '" + escapedBytes(items[i].currentName()) + "' -> '" +
               escapedBytes(items[i].newName) + "' (" + kStatus[static_cast<int>(items[i].status)] +
               ")\n";
    }
    return out;
}

std::string describeErrors(const std::vector<std::pair<std::string, std::string>>& errors) {
    std::string out;
    for (const auto& [name, reason] : errors)
        out += "  '" + escapedBytes(name) + "': " + escapedBytes(reason) + "\n";
    return out;
}

// New names no rule would give: other items' names (chains, swaps, cycles),
// shared names, the item's own name, in other letters or its other normal form, names that are
// empty, too long, not UTF-8, or hold "/" or "..".
std::string randomNewName(Random& random, const std::vector<std::string>& names,
                          const std::string& own) {
    std::string swapped = own;  // the same name in other letters
    for (char& c : swapped)
        c = static_cast<char>(std::isupper(c) ? std::tolower(c) : std::toupper(c));
    const std::vector<std::string> choices = {
        random.pick(names),
        random.pick(names),
        random.pick(names),
        own,
        "",
        random.pick(std::vector<std::string>{".", "..", "sub", "sub/x", "../x", "a/b", "/", "x/",
                                             "../../y", "b:c", "why?", "tab\there"}),
        std::string(256, 'n'),
        [] {  // 260 bytes, 130 UTF-16 units: too long for some drives only
            std::string accents;
            for (int i = 0; i < 130; ++i)
                accents += "\u00E9";
            return accents;
        }(),
        "new\xFF" + own,
        decomposed(own),
        "shared" + std::to_string(random.below(2)),
        swapped,
        randomName(random),
    };
    return choices[random.below(choices.size())];
}

// One case straight through RenameEngine::rename: the names a random rule
// gives, or a random mapping of old names to new ones with random statuses.
std::string runEngineCase(const CaseFolder& folder, std::uint64_t caseSeed, Totals& totals) {
    Random random{std::mt19937_64(caseSeed)};
    const std::vector<std::string> names = randomNames(random);
    const std::size_t folderAt =
        random.percent(25) ? random.below(names.size()) : std::string::npos;
    const std::vector<FileUrl> urls = folder.makeFiles(names, caseSeed, folderAt);
    const FolderState before = readFolderState(folder.root.path());

    std::vector<FileItem> items(urls.begin(), urls.end());
    std::shuffle(items.begin(), items.end(), std::mt19937_64(caseSeed));
    // Every fourth case or so takes the new names a random rule gives.
    if (random.percent(25)) {
        items = RenameEngine::preview(items, randomConfig(random));
    } else {
        for (FileItem& item : items) {
            item.newName = randomNewName(random, names, item.currentName());
            item.status = random.percent(85) ? FileItem::Status::changed
                                             : static_cast<FileItem::Status>(random.below(4));
        }
    }
    // Now and then an explicit swap or a cycle through several files.
    if (items.size() >= 2 && random.percent(30)) {
        const std::size_t length = 2 + random.below(std::min<std::size_t>(items.size() - 1, 4));
        for (std::size_t k = 0; k < length; ++k) {
            items[k].newName = items[(k + 1) % length].currentName();
            items[k].status = FileItem::Status::changed;
        }
    }

    const RenameResult foreseen = RenameEngine::foresee(items);
    const RenameResult result = RenameEngine::rename(items);
    const FolderState after = readFolderState(folder.root.path());
    totals.files += std::ssize(items);
    std::string problems = folder.checkNothingLost(before, after);
    if (std::adjacent_find(result.moved.begin(), result.moved.end(), std::greater_equal<>()) !=
            result.moved.end() ||
        result.success != std::ssize(result.moved)) {
        problems += "the moved positions are not ascending or not as many as the successes\n";
    }
    problems += checkItems(folder.drive, before, after, items, result, totals);
    if (foreseen.success != result.success || foreseen.errors != result.errors ||
        foreseen.moved != result.moved) {
        problems += "the foresight differs from the rename: " + std::to_string(foreseen.success) +
                    " moved, errors:\n" + describeErrors(foreseen.errors) +
                    "the rename: " + std::to_string(result.success) + " moved, errors:\n" +
                    describeErrors(result.errors);
    }
    // Undone, every folder is as before; done again, as after the rename.
    const auto checkReplay = [&](const char* what, const RenameResult& replayed,
                                 const FolderState& expected) {
        const FolderState now = readFolderState(folder.root.path());
        if (replayed.success != result.success || !replayed.errors.empty() ||
            now.files != expected.files || now.folders != expected.folders) {
            problems += std::string(what) + " did not move every file:\n" +
                        describeErrors(replayed.errors) + "then:\n" + now.describe();
        }
    };
    checkReplay("the undo", undoMoves(movedFiles(result)), before);
    checkReplay("the redo", replayMoves(movedFiles(result)), after);
    if (problems.empty()) return {};
    return problems + "items:\n" + describeItems(items) + "before:\n" + before.describe() +
           "after:\n" + after.describe();
}

// SplitMix64's finaliser: neighbouring inputs give unrelated outputs.
std::uint64_t mixed(std::uint64_t x) {
    x += 0x9E3779B97F4A7C15u;
    x = (x ^ (x >> 30)) * 0xBF58476D1CE4E5B9u;
    x = (x ^ (x >> 27)) * 0x94D049BB133111EBu;
    return x ^ (x >> 31);
}

using NoFileLostProperty = OnEachDrive;
INSTANTIATE_TEST_SUITE_P(, NoFileLostProperty, ::testing::ValuesIn(kFileSystems),
                         ::testing::PrintToStringParamName());

TEST_P(NoFileLostProperty, BatchRenameOfAnyMappingKeepsEveryFile) {
    const std::uint64_t seed = environmentNumber("VELLUMIX_PROPERTY_SEED", kDefaultSeed);
    const std::uint64_t cases = environmentNumber(
        "VELLUMIX_PROPERTY_CASES",
        fileSystem() == FileSystem::local ? kDefaultCases : kDefaultCasesOnMountedDrives);
    const std::uint64_t first = environmentNumber("VELLUMIX_PROPERTY_FIRST", 0);
    Totals totals;
    for (std::uint64_t k = first; k < first + cases; ++k, ++totals.cases) {
        const std::string problems =
            runEngineCase(CaseFolder(fileSystem(), drive()), mixed(seed ^ mixed(k)), totals);
        if (!problems.empty()) {
            ADD_FAILURE() << "case " << k << " of seed " << seed
                          << " fails (replay it alone with VELLUMIX_PROPERTY_SEED=" << seed
                          << " VELLUMIX_PROPERTY_FIRST=" << k << " VELLUMIX_PROPERTY_CASES=1):\n"
                          << problems;
            break;
        }
    }
    std::cout << "[ property ] " << nameOf(fileSystem()) << ": " << totals.cases << " cases, seed "
              << seed << ", " << totals.files << " items, " << totals.moved << " moved, "
              << totals.refused << " refused, " << totals.skipped << " skipped" << std::endl;
}

}  // namespace
}  // namespace vellumix
