#include "bench_support.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>

namespace vellumix::bench {
namespace {

// Name patterns; "#" stands for the file's number. Each pattern is used for
// every fifth, sixth, ... file in turn, so that a list mixes them.
constexpr std::string_view kAsciiPatterns[] = {
    "IMG_2024031#.jpg",
    "holiday photo #.jpeg",
    "Report-Q3 final_v#.docx",
    "my_holiday-photo.final.#.png",
    "DSC#",
    "invoice_2024-#.pdf",
    "Screenshot from 2024-03-14 #.png",
    "track # - artist.mp3",
};
constexpr std::string_view kUnicodePatterns[] = {
    "Été à Paris – photo #.jpg",
    "Straße_Übersicht_#.pdf",
    "東京タワー #.png",
    "cafe\u0301 de\u0301compose\u0301 #.txt",  // decomposed accents
    "Ελληνικά αρχεία #.txt",
    "😀 party #.mov",
    "Ñandú-niño_#.jpeg",
    "résumé #.docx",
};

constexpr std::string_view kFolder = "/home/alex/Pictures/2024 Summer Holiday/";

std::string expand(std::string_view pattern, std::size_t number) {
    const std::size_t hash = pattern.find('#');
    std::string name(pattern.substr(0, hash));
    name += std::to_string(number);
    name += pattern.substr(hash + 1);
    return name;
}

RuleCase makeCase(std::string label, RenameRule rule) {
    RuleCase c{std::move(label), RenameConfig{}};
    c.config.rule = rule;
    return c;
}

}  // namespace

std::string_view label(Names names) {
    return names == Names::ascii ? "ascii" : "unicode";
}

bool smoke() {
    const char* value = std::getenv("VELLUMIX_BENCH_SMOKE");
    return value != nullptr && *value != '\0' && std::string_view(value) != "0";
}

std::size_t scaled(std::size_t count) {
    if (!smoke()) return count;
    return count / 100 == 0 ? 1 : count / 100;
}

std::string fileName(Names names, std::size_t i) {
    if (names == Names::ascii) {
        constexpr std::size_t n = std::size(kAsciiPatterns);
        return expand(kAsciiPatterns[i % n], i);
    }
    constexpr std::size_t n = std::size(kUnicodePatterns);
    return expand(kUnicodePatterns[i % n], i);
}

std::vector<FileUrl> fileUrls(Names names, std::size_t count) {
    std::vector<FileUrl> urls;
    urls.reserve(count);
    for (std::size_t i = 0; i < count; ++i) {
        urls.emplace_back(std::string(kFolder) + fileName(names, i));
    }
    return urls;
}

std::vector<FileItem> fileItems(Names names, std::size_t count) {
    std::vector<FileItem> items;
    items.reserve(count);
    for (auto& url : fileUrls(names, count))
        items.emplace_back(std::move(url));
    return items;
}

std::vector<RuleCase> ruleCases() {
    std::vector<RuleCase> cases;
    {
        auto c = makeCase("addPrefix", RenameRule::addPrefix);
        c.config.text = "IMG_";
        cases.push_back(std::move(c));
    }
    {
        auto c = makeCase("addSuffix", RenameRule::addSuffix);
        c.config.text = "_final";
        cases.push_back(std::move(c));
    }
    {
        auto c = makeCase("replace", RenameRule::replace);
        c.config.findText = "photo";
        c.config.replaceText = "picture";
        cases.push_back(std::move(c));
    }
    {
        auto c = makeCase("regexReplace", RenameRule::regexReplace);
        c.config.findText = "(\\d+)";
        c.config.replaceText = "[$1]";
        cases.push_back(std::move(c));
    }
    cases.push_back(makeCase("caseChange", RenameRule::caseChange));
    cases.push_back(makeCase("addNumber", RenameRule::addNumber));
    cases.push_back(makeCase("addDate", RenameRule::addDate));
    {
        auto c = makeCase("removeChars", RenameRule::removeChars);
        c.config.removeFrom = 0;
        c.config.removeCount = 4;
        cases.push_back(std::move(c));
    }
    cases.push_back(makeCase("cleanUp", RenameRule::cleanUp));
    return cases;
}

std::vector<RuleCase> caseStyleCases() {
    std::vector<RuleCase> cases;
    constexpr std::pair<CaseOption, std::string_view> kStyles[] = {
        {CaseOption::lowercase, "lowercase"}, {CaseOption::uppercase, "uppercase"},
        {CaseOption::titleCase, "titleCase"}, {CaseOption::camelCase, "camelCase"},
        {CaseOption::snakeCase, "snakeCase"}, {CaseOption::kebabCase, "kebabCase"},
    };
    for (const auto& [option, name] : kStyles) {
        auto c = makeCase("caseChange." + std::string(name), RenameRule::caseChange);
        c.config.caseOption = option;
        cases.push_back(std::move(c));
    }
    return cases;
}

// A photo library: `count` photos taken in sessions of 100, one a minute,
// a session every other day; each file's dates read in already.
std::vector<FileItem> photoLibrary(std::size_t count) {
    std::vector<FileItem> files = fileItems(Names::ascii, count);
    const auto start = fixedNow() - std::chrono::hours(24 * 365 * 5);
    for (std::size_t i = 0; i < files.size(); ++i) {
        const auto taken = start + std::chrono::hours(48 * static_cast<int>(i / 100)) +
                           std::chrono::minutes(i % 100);
        files[i].dates = FileDates{taken + std::chrono::hours(1), taken};
    }
    return files;
}

std::chrono::system_clock::time_point fixedNow() {
    // 14 March 2025, 09:05:00 UTC.
    return std::chrono::system_clock::time_point(std::chrono::seconds(1741943100));
}

std::string benchFolder(std::string_view name, bool perProcess) {
    const std::string root = "/tmp/vellumix-bench";
    ::mkdir(root.c_str(), 0700);
    std::string folder = root;
    folder += '/';
    folder += name;
    if (perProcess) {
        folder += '-';
        folder += std::to_string(::getpid());
    }
    ::mkdir(folder.c_str(), 0700);
    return folder;
}

void remakeFiles(const std::string& folder, std::size_t count) {
    const int dir = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir < 0) {
        std::fprintf(stderr, "cannot open %s: %s\n", folder.c_str(), std::strerror(errno));
        std::exit(2);
    }
    // Remove what a previous run left (renamed files included).
    if (DIR* listing = ::fdopendir(::dup(dir))) {
        std::vector<std::string> names;
        while (const dirent* entry = ::readdir(listing)) {
            const std::string_view name = entry->d_name;
            if (name != "." && name != "..") names.emplace_back(name);
        }
        ::closedir(listing);
        for (const auto& name : names)
            ::unlinkat(dir, name.c_str(), 0);
    }
    char name[32];
    for (std::size_t i = 0; i < count; ++i) {
        std::snprintf(name, sizeof name, "photo_%05zu.jpg", i);
        const int fd = ::openat(dir, name, O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
        if (fd < 0) {
            std::fprintf(stderr, "cannot create %s/%s: %s\n", folder.c_str(), name,
                         std::strerror(errno));
            std::exit(2);
        }
        ::close(fd);
    }
    ::close(dir);
}

std::size_t entryCount(const std::string& folder) {
    DIR* listing = ::opendir(folder.c_str());
    if (listing == nullptr) return 0;
    std::size_t count = 0;
    while (const dirent* entry = ::readdir(listing)) {
        const std::string_view name = entry->d_name;
        if (name != "." && name != "..") ++count;
    }
    ::closedir(listing);
    return count;
}

void removeFolder(const std::string& folder) {
    remakeFiles(folder, 0);
    ::rmdir(folder.c_str());
}

Rss residentSetSize() {
    Rss rss;
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmHWM:", 0) == 0) rss.peakKiB = std::atol(line.c_str() + 6);
        if (line.rfind("VmRSS:", 0) == 0) rss.currentKiB = std::atol(line.c_str() + 6);
    }
    return rss;
}

}  // namespace vellumix::bench
