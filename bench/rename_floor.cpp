// vellumix_bench_rename_floor FOLDER [PREFIX]
// The floor of the side-by-side rename comparison: list FOLDER (no hidden
// entries, no subfolders) and move each file to PREFIX + its name in the same
// folder with renameat2(RENAME_NOREPLACE) on absolute paths, the call the
// engine makes, in the same order (by name). Nothing else. Exits 1 when a
// rename fails.
#include <dirent.h>
#include <fcntl.h>
#include <linux/fs.h>
#include <stdio.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <string>
#include <vector>

int main(int argc, char** argv) {
    if (argc < 2 || argc > 3) {
        std::fprintf(stderr, "usage: %s FOLDER [PREFIX]\n", argv[0]);
        return 2;
    }
    std::string folder = argv[1];
    if (folder.empty() || folder.back() != '/') folder += '/';
    const std::string prefix = argc == 3 ? argv[2] : "x_";

    std::vector<std::string> names;
    DIR* listing = ::opendir(folder.c_str());
    if (listing == nullptr) {
        std::perror(folder.c_str());
        return 1;
    }
    while (const dirent* entry = ::readdir(listing)) {
        if (entry->d_name[0] == '.' || entry->d_type == DT_DIR) continue;
        names.emplace_back(entry->d_name);
    }
    ::closedir(listing);
    std::sort(names.begin(), names.end());

    int status = 0;
    std::string from = folder;
    std::string to = folder + prefix;
    for (const std::string& name : names) {
        from.resize(folder.size());
        from += name;
        to.resize(folder.size() + prefix.size());
        to += name;
        if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) != 0) {
            std::fprintf(stderr, "%s: %s\n", name.c_str(), std::strerror(errno));
            status = 1;
        }
    }
    return status;
}
