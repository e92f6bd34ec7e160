// Faults a rename meets on a real machine, each on real files: a folder that
// goes away between preview and rename, a destination that another program
// creates in the meantime, a folder swapped for a link during the batch, a
// folder without write permission, a process short of file handles, a FIFO
// and a dangling link. In every one
// the failures are reported with a sentence and no file is lost.
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "engine/batch_folders.h"
#include "engine/case_only_rename.h"
#include "engine/rename_engine.h"
#include "model/file_url.h"
#include "model/uuid.h"
#include "support/folder_state.h"
#include "support/items.h"
#include "support/mounted_drive.h"
#include "support/temp_dir.h"
#include "support/unprivileged.h"
#include "viewmodel/rename_view_model.h"

namespace vellumix {
namespace {

using namespace vellumix::testing;

// Two folders, the second of which another program moves away after the
// preview: its items fail, each with a sentence in list order, and stay where
// they went; the first folder's files are all renamed.
TEST(FaultTest, FolderThatGoesAwayAfterThePreviewFailsOnlyItsOwnItems) {
    const TempDir dir;
    std::vector<FileUrl> urls;
    for (const std::string name : {"1.txt", "2.txt"}) {
        urls.push_back(dir.write("keep/" + name, "keep " + name));
        urls.push_back(dir.write("gone/" + name, "gone " + name));
    }
    const std::vector<FileItem> preview =
        RenameEngine::preview({urls.begin(), urls.end()}, prefixConfig("new_"));
    std::filesystem::rename(dir.pathOf("gone"), dir.pathOf("elsewhere"));
    const RenameResult result = RenameEngine::rename(preview);

    EXPECT_EQ(result.moved, (std::vector<std::size_t>{0, 2}));
    EXPECT_EQ(result.errors, (std::vector<std::pair<std::string, std::string>>{
                                 {"1.txt", "\u201C1.txt\u201D no longer exists."},
                                 {"2.txt", "\u201C2.txt\u201D no longer exists."}}));
    EXPECT_EQ(dir.contents(), (std::map<std::string, std::string>{
                                  {"elsewhere/", ""},
                                  {"elsewhere/1.txt", "gone 1.txt"},
                                  {"elsewhere/2.txt", "gone 2.txt"},
                                  {"keep/", ""},
                                  {"keep/new_1.txt", "keep 1.txt"},
                                  {"keep/new_2.txt", "keep 2.txt"},
                              }));
}

// The folder swapped for a symbolic link to another folder in the middle of
// the batch, after its first move, cannot redirect the later moves: they happen
// in the folder that holds the files, wherever it went, and the files of the
// same names in the other folder stay as they are.
TEST(FaultTest, FolderSwappedForALinkDuringTheBatchCannotRedirectTheMoves) {
    const TempDir dir;
    for (const std::string name : {"a.txt", "b.txt"}) {
        dir.write("photos/" + name, "photo " + name);
        dir.write("decoys/" + name, "decoy " + name);
    }
    detail::BatchFolders folders;
    const std::string photos = dir.pathOf("photos/");
    ASSERT_EQ(detail::renameAllowingCaseOnlyChange(folders.open(photos).fd, "a.txt", "xa.txt"), 0);
    std::filesystem::rename(dir.pathOf("photos"), dir.pathOf("moved"));
    std::filesystem::create_directory_symlink("decoys", dir.pathOf("photos"));
    EXPECT_EQ(detail::renameAllowingCaseOnlyChange(folders.open(photos).fd, "b.txt", "xb.txt"), 0);

    EXPECT_EQ(dir.contents(), (std::map<std::string, std::string>{
                                  {"decoys/", ""},
                                  {"decoys/a.txt", "decoy a.txt"},
                                  {"decoys/b.txt", "decoy b.txt"},
                                  {"moved/", ""},
                                  {"moved/xa.txt", "photo a.txt"},
                                  {"moved/xb.txt", "photo b.txt"},
                                  {"photos", "-> decoys"},
                              }));
}

// A process that may hold few files open (EMFILE) renames a batch over more
// folders than it may open at once: every file is still renamed.
TEST(FaultTest, BatchOverMoreFoldersThanOpenFilesAllowedRenamesEveryFile) {
    const TempDir dir;
    constexpr int kFolders = 300;  // opened with at most 64 handles
    std::vector<FileItem> items;
    for (int i = 0; i < kFolders; ++i)
        items.emplace_back(dir.write(std::to_string(i) + "/a.txt", "A"));
    const std::vector<FileItem> preview = RenameEngine::preview(items, prefixConfig("x"));
    const std::optional<std::string> report = runInChild([&preview] {
        const rlimit limit{64, 64};
        if (::setrlimit(RLIMIT_NOFILE, &limit) != 0) return std::string("setrlimit failed");
        return std::to_string(RenameEngine::rename(preview).success) + " renamed";
    });
    EXPECT_EQ(report, std::to_string(kFolders) + " renamed");
    for (int i = 0; i < kFolders; ++i)
        EXPECT_EQ(dir.read(std::to_string(i) + "/xa.txt"), "A") << i;
}

// Another program creates a file of the new name between the preview and the
// rename: the move is refused, both files keep their contents, the alert says
// so, and the rebuilt list names each file (and the folder, as a folder)
// where it now is.
TEST(FaultTest, DestinationCreatedBetweenPreviewAndRenameIsNeverReplaced) {
    const TempDir dir;
    RenameViewModel model;
    model.addFiles({dir.write("a.txt", "mine a"), dir.write("b.txt", "mine b"), dir.makeDir("c")});
    model.setConfig(prefixConfig("x"));
    ASSERT_EQ(model.changedCount(), 3);

    dir.write("xa.txt", "theirs");
    model.applyRename();

    EXPECT_EQ(dir.read("a.txt"), "mine a");
    EXPECT_EQ(dir.read("xa.txt"), "theirs");
    EXPECT_EQ(dir.read("xb.txt"), "mine b");
    EXPECT_FALSE(dir.exists("b.txt"));
    EXPECT_EQ(model.alertMessage(),
              "\xE2\x9C\x85 2 renamed.\n\xE2\x9D\x8C 1 error(s):\n"
              "\xE2\x80\xA2 a.txt: \u201Cxa.txt\u201D already exists.");
    EXPECT_EQ(pathsOf(model.files()),
              (std::vector{dir.pathOf("a.txt"), dir.pathOf("xb.txt"), dir.pathOf("xc/")}));
}

// A driver that stops answering (stopped here) must not hang the run: the
// drive's watchdog kills it, the waiting call fails, and the test fails
// with a message that says why.
TEST(FaultTest, ADriveThatStopsAnsweringFailsTheTestInsteadOfHangingIt) {
    if (const MountedDrive probe(FileSystem::exfat); probe.path().empty()) {
        GTEST_SKIP() << probe.skipReason();
    }
    EXPECT_NONFATAL_FAILURE_ON_ALL_THREADS(
        {
            const MountedDrive card(FileSystem::exfat, std::chrono::seconds(1));
            ASSERT_TRUE(card.freeze());
            struct stat info {};
            EXPECT_NE(::stat((card.path() + "/IMG_0001.JPG").c_str(), &info), 0);
        },
        "did not answer within 1 s");
}

// A folder the user may read but not write: the move is refused with a
// sentence about permission and the file stays as it was.
TEST(FaultTest, FolderWithoutWritePermissionRefusesTheMove) {
    const TempDir dir;
    const FileUrl url = dir.write("locked/a.txt", "contents");
    const std::vector<FileItem> preview = RenameEngine::preview({FileItem(url)}, prefixConfig("x"));
    ASSERT_EQ(::chmod(dir.path().c_str(), 0755), 0);
    ASSERT_EQ(::chmod(dir.pathOf("locked").c_str(), 0555), 0);
    const Unprivileged child = runUnprivileged([&] {
        const RenameResult result = RenameEngine::rename(preview);
        std::string report = std::to_string(result.success);
        for (const auto& [name, reason] : result.errors)
            report += "\n" + name + ": " + reason;
        return report;
    });
    if (!child.ran) GTEST_SKIP() << child.skipReason;
    EXPECT_EQ(child.output, "0\na.txt: You don't have permission to rename \u201Ca.txt\u201D.");
    EXPECT_EQ(dir.read("locked/a.txt"), "contents");
    EXPECT_FALSE(dir.exists("locked/xa.txt"));
}

// A FIFO and a dangling symbolic link are listed like files (listing never
// opens them, so nothing waits on the FIFO) and are renamed as what they are:
// the FIFO stays a FIFO, the link keeps pointing where it pointed.
TEST(FaultTest, FifoAndDanglingLinkAreListedAndRenamedWithoutLoss) {
    const TempDir dir;
    dir.write("odd/a.txt", "contents");
    ASSERT_EQ(::mkfifo(dir.pathOf("odd/pipe").c_str(), 0644), 0) << std::strerror(errno);
    ASSERT_EQ(::symlink("nowhere", dir.pathOf("odd/link").c_str()), 0) << std::strerror(errno);

    ::alarm(60);  // a listing that opened the FIFO would wait here forever
    RenameViewModel model;
    model.addFolder(FileUrl(dir.pathOf("odd") + "/"));
    ASSERT_EQ(pathsOf(model.files()), (std::vector{dir.pathOf("odd/a.txt"), dir.pathOf("odd/link"),
                                                   dir.pathOf("odd/pipe")}));

    model.setConfig(prefixConfig("renamed-"));
    model.applyRename();
    ::alarm(0);

    EXPECT_EQ(model.alertMessage(), "\xE2\x9C\x85 3 file(s) renamed successfully.");
    const FolderState state = readFolderState(dir.pathOf("odd"));
    EXPECT_EQ(state.files,
              (std::map<std::string, std::string>{{dir.pathOf("odd/renamed-a.txt"), "contents"}}));
    EXPECT_EQ(state.others,
              (std::vector{dir.pathOf("odd/renamed-link"), dir.pathOf("odd/renamed-pipe")}));
    EXPECT_TRUE(std::filesystem::is_fifo(dir.pathOf("odd/renamed-pipe")));
    EXPECT_EQ(std::filesystem::read_symlink(dir.pathOf("odd/renamed-link")), "nowhere");
}

// FileUrl expects absolute paths, but a relative one must not send a file out
// of its folder: "a.txt" renamed to "b.txt" stays in the working folder instead
// of landing in "/" (where root may write).
TEST(FaultTest, RelativeUrlIsRenamedInItsOwnFolderNeverAtTheRoot) {
    const TempDir dir;
    dir.write("relative.txt", "contents");
    const std::string newName = "vellumix-relative-" + Uuid().toString() + ".txt";

    const std::filesystem::path before = std::filesystem::current_path();
    std::filesystem::current_path(dir.path());
    const RenameResult result = RenameEngine::rename({previewed(FileUrl("relative.txt"), newName)});
    std::filesystem::current_path(before);

    const std::string atRoot = "/" + newName;
    const bool escaped = pathExists(atRoot);
    if (escaped) std::filesystem::rename(atRoot, dir.pathOf("relative.txt"));  // put it back
    EXPECT_FALSE(escaped) << "the file was moved to " << atRoot;
    EXPECT_EQ(result.success, 1);
    EXPECT_EQ(dir.read(newName), "contents");
}

}  // namespace
}  // namespace vellumix
