// Shared fixtures of the benchmarks: deterministic file names and paths, one
// typical configuration per rule, and folders of real files under /tmp.
//
// Nothing here is timed; the benchmark programs call it outside their timed
// regions. Set VELLUMIX_BENCH_SMOKE=1 to shrink every list a hundredfold, so
// that a build check can run each benchmark once in a few seconds.
#pragma once

#include <chrono>
#include <cstddef>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "model/file_item.h"
#include "model/file_url.h"
#include "model/rename_config.h"

namespace vellumix::bench {

// Which kind of file names a list holds.
enum class Names {
    ascii,    // camera, document and download names in plain ASCII
    unicode,  // accented Latin (some decomposed), Greek, CJK, emoji
};

std::string_view label(Names names);

// True when VELLUMIX_BENCH_SMOKE is set to anything but "0" or "".
bool smoke();
// `count`, divided by 100 (at least 1) in smoke mode.
std::size_t scaled(std::size_t count);

// The name of file number `i` (distinct for distinct i). ASCII names are
// 15–35 bytes long, the others 20–45 bytes.
std::string fileName(Names names, std::size_t i);
// `count` absolute paths in one folder of a typical depth, in list order.
std::vector<FileUrl> fileUrls(Names names, std::size_t count);
// Items made from fileUrls(names, count).
std::vector<FileItem> fileItems(Names names, std::size_t count);

// A rule with the parameters a user typically gives it.
struct RuleCase {
    std::string label;  // used in benchmark names: "addPrefix", "caseChange.titleCase", ...
    RenameConfig config;
};
// One case per rule, in the rules' declared order (Change Case as lowercase).
std::vector<RuleCase> ruleCases();
// Change Case in each of its six styles.
std::vector<RuleCase> caseStyleCases();

// A photo library: `count` photos taken in sessions of 100, one a minute,
// a session every other day; each file's dates read in already.
std::vector<FileItem> photoLibrary(std::size_t count);

// A fixed clock reading for the date rule, so that every run computes the same names.
std::chrono::system_clock::time_point fixedNow();

// A folder under /tmp for the benchmarks; `name` is made unique per process
// when `perProcess` is true. Created if missing.
std::string benchFolder(std::string_view name, bool perProcess);
// Empties `folder` (files only; it holds nothing else) and fills it with
// `count` empty files named photo_00000.jpg, photo_00001.jpg, ...
// Exits the program with a message when a file cannot be made.
void remakeFiles(const std::string& folder, std::size_t count);
// The number of entries in `folder` (not counting "." and ".."), or 0 when it cannot be read.
std::size_t entryCount(const std::string& folder);
// Removes `folder` and every file in it.
void removeFolder(const std::string& folder);

// Peak and current resident set size of this process, in KiB, from /proc/self/status.
struct Rss {
    long peakKiB = 0;     // VmHWM
    long currentKiB = 0;  // VmRSS
};
Rss residentSetSize();

}  // namespace vellumix::bench
