// What a folder tree holds, read from disk: every entry below a root with its
// kind and, for regular files, its contents, to compare before and after.
#pragma once

#include <sys/stat.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "support/escaped_bytes.h"

namespace vellumix::testing {

inline std::string readWholeFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream contents;
    contents << in.rdbuf();
    return contents.str();
}

inline bool pathExists(const std::string& path) {
    struct stat info {};
    return ::lstat(path.c_str(), &info) == 0;
}

struct FolderState {
    std::map<std::string, std::string> files;  // absolute path -> contents (regular files)
    std::vector<std::string> folders;          // absolute paths, sorted
    std::vector<std::string> others;           // FIFOs, links, ...: absolute paths, sorted
    std::string error;                         // why the walk stopped early, if it did

    // The contents of every regular file, sorted: a multiset to compare.
    std::vector<std::string> contents() const {
        std::vector<std::string> all;
        for (const auto& [path, data] : files)
            all.push_back(data);
        std::sort(all.begin(), all.end());
        return all;
    }
    // Where the file with `data` now is, or "" when no file has it.
    std::string pathOf(std::string_view data) const {
        for (const auto& [path, d] : files) {
            if (d == data) return path;
        }
        return {};
    }
    std::string describe() const {
        std::string out;
        for (const auto& [path, data] : files) {
            out += "  file   " + escapedBytes(path) + " = " + escapedBytes(data) + "\n";
        }
        for (const auto& path : folders)
            out += "  folder " + escapedBytes(path) + "\n";
        for (const auto& path : others)
            out += "  other  " + escapedBytes(path) + "\n";
        return out;
    }
};

// Walks `root` recursively without following symbolic links.
inline FolderState readFolderState(const std::string& root) {
    namespace fs = std::filesystem;
    FolderState state;
    std::error_code error;
    for (auto it = fs::recursive_directory_iterator(root, error);
         !error && it != fs::recursive_directory_iterator(); it.increment(error)) {
        const std::string path = it->path().string();
        const fs::file_status status = it->symlink_status(error);
        if (fs::is_directory(status)) {
            state.folders.push_back(path);
        } else if (fs::is_regular_file(status)) {
            state.files[path] = readWholeFile(path);
        } else {
            state.others.push_back(path);
        }
    }
    if (error) state.error = error.message();
    std::sort(state.folders.begin(), state.folders.end());
    std::sort(state.others.begin(), state.others.end());
    return state;
}

}  // namespace vellumix::testing
