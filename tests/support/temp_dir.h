// TempDir: a fresh, empty temporary folder for one test, removed with all its
// contents when the test ends. Tests act on real files in it.
#pragma once

#include <map>
#include <string>
#include <string_view>

#include "model/file_url.h"
#include "support/folder_state.h"

namespace vellumix::testing {

class TempDir {
public:
    // A fresh folder in `parent`, by default in the system's temporary folder.
    explicit TempDir(std::string_view parent = {});
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    // The folder's absolute path, without a trailing "/".
    const std::string& path() const { return path_; }
    // The absolute path of `name` inside the folder.
    std::string pathOf(std::string_view name) const { return path_ + "/" + std::string(name); }
    FileUrl urlOf(std::string_view name) const { return FileUrl(pathOf(name)); }

    // Creates (or overwrites) the file `name` with `contents`, and the folders
    // on the way; returns its URL.
    FileUrl write(std::string_view name, std::string_view contents = {}) const;
    // Creates the subfolder `name`; returns its path with a trailing "/".
    FileUrl makeDir(std::string_view name) const;
    // The contents of the file `name`, or nothing when it cannot be read.
    std::string read(std::string_view name) const { return readWholeFile(pathOf(name)); }
    bool exists(std::string_view name) const { return pathExists(pathOf(name)); }
    // Everything below the folder: each file's path relative to it with its
    // contents, each subfolder's path with a trailing "/" and no contents, each
    // symbolic link's path with "-> " and its target.
    std::map<std::string, std::string> contents() const;

private:
    std::string path_;
};

}  // namespace vellumix::testing
