#include "support/temp_dir.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <system_error>

namespace vellumix::testing {

TempDir::TempDir(std::string_view parent) {
    const std::filesystem::path folder =
        parent.empty() ? std::filesystem::temp_directory_path() : std::filesystem::path(parent);
    std::string pattern = (folder / "vellumix-test-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) ADD_FAILURE() << "mkdtemp failed";
    path_ = pattern;
}

TempDir::~TempDir() {
    std::error_code ignored;
    // Restore write permission a test may have taken away, then remove everything.
    for (auto it = std::filesystem::recursive_directory_iterator(path_, ignored);
         it != std::filesystem::recursive_directory_iterator(); it.increment(ignored)) {
        if (it->is_directory(ignored) && !it->is_symlink(ignored)) {
            ::chmod(it->path().c_str(), 0700);
        }
    }
    ::chmod(path_.c_str(), 0700);
    std::filesystem::remove_all(path_, ignored);
}

FileUrl TempDir::write(std::string_view name, std::string_view contents) const {
    const std::string path = pathOf(name);
    std::error_code ignored;  // the folders on the way are made as needed
    std::filesystem::create_directories(std::filesystem::path(path).parent_path(), ignored);
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << contents;
    if (!out) ADD_FAILURE() << "cannot write " << path;
    return FileUrl(path);
}

FileUrl TempDir::makeDir(std::string_view name) const {
    const std::string path = pathOf(name);
    std::error_code error;
    std::filesystem::create_directories(path, error);
    if (error) ADD_FAILURE() << "cannot create " << path << ": " << error.message();
    return FileUrl(path + "/");
}

std::map<std::string, std::string> TempDir::contents() const {
    const FolderState state = readFolderState(path_);
    std::error_code ignored;
    std::map<std::string, std::string> all;
    for (const auto& [path, data] : state.files)
        all[path.substr(path_.size() + 1)] = data;
    for (const std::string& path : state.folders)
        all[path.substr(path_.size() + 1) + "/"] = "";
    for (const std::string& path : state.others)
        all[path.substr(path_.size() + 1)] =
            "-> " + std::filesystem::read_symlink(path, ignored).string();
    return all;
}

}  // namespace vellumix::testing
