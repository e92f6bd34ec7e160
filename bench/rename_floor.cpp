// vellumix_bench_rename_floor [--folder-handle] [--uppercase | --link] FOLDER [PREFIX]
// The floors of the side-by-side rename comparison: list FOLDER (no hidden
// entries, no subfolders) and move each file to PREFIX + its name in the same
// folder with renameat2(RENAME_NOREPLACE), in the same order as the engine (by
// name). Nothing else. Without --folder-handle the moves name absolute paths,
// so the kernel walks the folder's path twice per move; with it the folder is
// opened once (O_PATH) and every move names the files relative to that
// handle, as the engine does. With --uppercase each file's name before its
// extension goes to capitals instead, in two moves through a temporary name
// (a change of case alone on a drive that ignores letter case takes no less),
// plain renames, as such drives' FUSE drivers refuse RENAME_NOREPLACE.
// With --link each move is link + unlink, the move that never replaces on a
// drive that refuses the flag but keeps hard links (NTFS through ntfs-3g).
// Exits 1 when a rename fails.
#include <dirent.h>
#include <fcntl.h>
#include <linux/fs.h>
#include <stdio.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

int main(int argc, char** argv) {
    const bool folderHandle = argc > 1 && std::string_view(argv[1]) == "--folder-handle";
    argc -= folderHandle;
    argv += folderHandle;
    const bool uppercase = argc > 1 && std::string_view(argv[1]) == "--uppercase";
    argc -= uppercase;
    argv += uppercase;
    const bool link = argc > 1 && std::string_view(argv[1]) == "--link";
    argc -= link;
    argv += link;
    if (argc < 2 || argc > 3) {
        std::fprintf(stderr, "usage: %s [--folder-handle] [--uppercase | --link] FOLDER [PREFIX]\n",
                     argv[0]);
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

    // The handle mode names files relative to the folder; the path mode by
    // absolute paths from the working folder.
    const int at =
        folderHandle ? ::open(folder.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC) : AT_FDCWD;
    if (at == -1) {
        std::perror(folder.c_str());
        return 1;
    }
    const std::string base = folderHandle ? "" : folder;
    int status = 0;
    std::string from = base;
    std::string to = base + prefix;
    for (const std::string& name : names) {
        from.resize(base.size());
        from += name;
        if (uppercase) {
            to.resize(base.size());
            const std::size_t dot = name.rfind('.');
            for (std::size_t i = 0; i < name.size(); ++i)
                to += i < dot ? static_cast<char>(std::toupper(static_cast<unsigned char>(name[i])))
                              : name[i];
            const std::string temporary = from + ".moving";
            // Plain moves: the FUSE drivers of such drives refuse the no-replace flag.
            if (::renameat(at, from.c_str(), at, temporary.c_str()) != 0 ||
                ::renameat(at, temporary.c_str(), at, to.c_str()) != 0) {
                std::fprintf(stderr, "%s: %s\n", name.c_str(), std::strerror(errno));
                status = 1;
            }
            continue;
        }
        to.resize(base.size() + prefix.size());
        to += name;
        const bool moved = link ? ::linkat(at, from.c_str(), at, to.c_str(), 0) == 0 &&
                                      ::unlinkat(at, from.c_str(), 0) == 0
                                : ::renameat2(at, from.c_str(), at, to.c_str(), RENAME_NOREPLACE) == 0;
        if (!moved) {
            std::fprintf(stderr, "%s: %s\n", name.c_str(), std::strerror(errno));
            status = 1;
        }
    }
    if (folderHandle) ::close(at);
    return status;
}
