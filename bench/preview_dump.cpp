// vellumix_bench_preview_dump
// Prints the preview (new name and status) of a fixed list of names under a
// fixed set of configurations, one line per file. An optimisation must leave
// this output byte for byte the same: run it before and after, and diff.
#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "bench_support.h"
#include "engine/rename_engine.h"

namespace {

using namespace vellumix;

std::vector<std::string> tricky() {
    return {
        "photo.jpg",
        ".profile",
        "name.",
        "...",
        "a",
        "",
        "README",
        "my_holiday-photo.final.JPG",
        "__notes__.txt",
        "___.txt",
        "iPHONE_pic.png",
        "straße_ß.txt",
        "STRASSE.txt",
        "e\u0301te\u0301.txt",
        "\u00e9t\u00e9.txt",
        "😀👍🏽 emoji 🇫🇷.png",
        "tab\there.txt",
        "line\r\nbreak.txt",
        "  spaced   out  .txt",
        "\xff\xfe not utf8.txt",
        "ǅungla ǆ.txt",
        "İstanbul ı.txt",
        "ΣΊΣΥΦΟΣ ς.txt",
        "ﬁle ﬂow.pdf",
        "a😀b.txt",
        "x\u0301\u0302\u0303.txt",
        "한국어 파일.hwp",
        "각 jamo.txt",
        "take12.mov",
        "123 456 789.txt",
        "--__.txt",
        "   .txt",
        "Ǆ DŽ.txt",
        "ŉ ΐ ΰ.txt",
        "photo 2024-03-14 10.30.00.jpeg",
    };
}

RenameConfig replacing(RenameRule rule, std::string find, std::string replacement,
                       bool caseSensitive) {
    RenameConfig config;
    config.rule = rule;
    config.findText = std::move(find);
    config.replaceText = std::move(replacement);
    config.caseSensitive = caseSensitive;
    return config;
}

std::vector<RenameConfig> configs() {
    std::vector<RenameConfig> list;
    for (const auto& c : bench::ruleCases())
        list.push_back(c.config);
    for (const auto& c : bench::caseStyleCases())
        list.push_back(c.config);
    for (const bool sensitive : {false, true}) {
        list.push_back(replacing(RenameRule::replace, "ss", "[ß]", sensitive));
        list.push_back(replacing(RenameRule::replace, "e\u0301", "E", sensitive));
        list.push_back(replacing(RenameRule::regexReplace, "(\\p{L})(\\d)", "$2$1\\$", sensitive));
        list.push_back(replacing(RenameRule::regexReplace, "^|$", "|", sensitive));
        list.push_back(replacing(RenameRule::regexReplace, "STRASSE|é", "<$0>", sensitive));
    }
    list.push_back(replacing(RenameRule::regexReplace, "(a", "", false));
    list.push_back(replacing(RenameRule::regexReplace, "o", "$2", false));
    list.push_back(replacing(RenameRule::regexReplace, "(a+)+b", "x", false));
    list.push_back(replacing(RenameRule::regexReplace, "", "x", false));
    RenameConfig removing;
    removing.rule = RenameRule::removeChars;
    removing.removeFrom = 2;
    removing.removeCount = 3;
    list.push_back(removing);
    RenameConfig numbering;
    numbering.rule = RenameRule::addNumber;
    numbering.numberStart = -5;
    numbering.numberStep = 7;
    numbering.numberPadding = 4;
    numbering.numberPosition = InsertPosition::prefix;
    numbering.numberSeparator = std::string("-");
    list.push_back(numbering);
    RenameConfig prefix;
    prefix.rule = RenameRule::addPrefix;
    prefix.text = std::string("e\u0301");
    list.push_back(prefix);
    return list;
}

const char* statusName(FileItem::Status status) {
    switch (status) {
        case FileItem::Status::pending:
            return "pending";
        case FileItem::Status::changed:
            return "changed";
        case FileItem::Status::unchanged:
            return "unchanged";
        case FileItem::Status::error:
            return "error";
    }
    return "?";
}

}  // namespace

int main() {
    std::vector<FileItem> files;
    for (const std::string& name : tricky()) {
        std::string path = "/tmp/dump/";
        path += name;
        files.emplace_back(FileUrl(std::move(path)));
    }
    files.emplace_back(FileUrl("/tmp/dump/folder/"));
    for (const auto names : {bench::Names::ascii, bench::Names::unicode}) {
        for (auto& item : bench::fileItems(names, 3000))
            files.push_back(std::move(item));
    }
    // Long lists go through the same code as short ones; one long list checks that too.
    std::vector<FileItem> many;
    for (int copy = 0; copy < 20; ++copy)
        many.insert(many.end(), files.begin(), files.end());

    int number = 0;
    for (const RenameConfig& config : configs()) {
        for (const auto* list : {&files, &many}) {
            const std::vector<FileItem> preview = RenameEngine::preview(*list, config);
            std::size_t changed = 0;
            std::uint64_t hash = 14695981039346656037u;  // FNV-1a over every name and status
            for (std::size_t i = 0; i < preview.size(); ++i) {
                changed += preview[i].status == FileItem::Status::changed;
                for (const std::string_view part :
                     {std::string_view(preview[i].newName),
                      std::string_view(statusName(preview[i].status))}) {
                    for (const char c : part)
                        hash = (hash ^ static_cast<unsigned char>(c)) * 1099511628211u;
                }
                if (list == &files) {
                    std::printf("%d\t%zu\t%s\t%s\n", number, i, statusName(preview[i].status),
                                preview[i].newName.c_str());
                }
            }
            std::printf("%d\tsize %zu\tchanged %zu\thash %016llx\n", number, preview.size(),
                        changed, static_cast<unsigned long long>(hash));
        }
        ++number;
    }
    return 0;
}
