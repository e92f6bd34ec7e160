// Undo and redo of applied batches: the files go back and again with the
// rename's care, a file changed since stays with a true reason, and the
// history follows the batches, not the rows of the list.

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "support/items.h"
#include "support/temp_dir.h"
#include "viewmodel/rename_view_model.h"

namespace vellumix {
namespace {

using namespace vellumix::testing;

std::vector<std::string> namesOf(const RenameViewModel& model) {
    std::vector<std::string> names;
    for (const FileItem& item : model.files())
        names.push_back(item.currentName());
    return names;
}

TEST(UndoTest, UndoAndRedoMoveTheBatchBackAndAgainNewestFirst) {
    TempDir dir;
    RenameViewModel model;
    model.addFiles({dir.write("a.txt", "A"), dir.write("b.txt", "B")});
    EXPECT_FALSE(model.canUndoRename());
    model.setConfig(prefixConfig("x"));
    model.applyRename();
    model.setConfig(prefixConfig("y"));
    model.applyRename();
    const Uuid firstId = model.files()[0].id;
    EXPECT_EQ(model.filesToUndo(), 2);

    model.undoRename();  // the newest: yx -> x
    EXPECT_EQ(namesOf(model), (std::vector<std::string>{"xa.txt", "xb.txt"}));
    EXPECT_EQ(model.files()[0].id, firstId);  // the same rows, in place
    EXPECT_EQ(model.alertMessage(), "\u2705 2 file(s) renamed successfully.");
    model.removeFiles({1});  // rows leave; the history stays
    model.undoRename();
    EXPECT_EQ(dir.contents(), (std::map<std::string, std::string>{{"a.txt", "A"}, {"b.txt", "B"}}));
    EXPECT_EQ(namesOf(model), std::vector<std::string>{"a.txt"});
    EXPECT_FALSE(model.canUndoRename());
    EXPECT_EQ(model.filesToRedo(), 2);

    model.redoRename();
    EXPECT_EQ(dir.contents(),
              (std::map<std::string, std::string>{{"xa.txt", "A"}, {"xb.txt", "B"}}));
    EXPECT_TRUE(model.canRedoRename());
    // A new batch after an undo drops what could have been redone.
    model.setConfig(prefixConfig("z"));
    model.applyRename();
    EXPECT_FALSE(model.canRedoRename());
    EXPECT_EQ(model.filesToUndo(), 1);
}

TEST(UndoTest, AFileChangedSinceStaysWithATrueReasonAndTheRestGoesBack) {
    struct Case {
        const char* what;
        std::function<void(const TempDir&)> meanwhile;
        std::string reason;  // the one failure line's reason
        std::map<std::string, std::string> after;
    };
    const Case cases[] = {
        {"moved away",
         [](const TempDir& d) { std::rename(d.pathOf("xa").c_str(), d.pathOf("m").c_str()); },
         "\u201Cxa\u201D no longer exists.",
         {{"b", "B"}, {"m", "A"}}},
        {"old name taken",
         [](const TempDir& d) { d.write("a", "new"); },
         "\u201Ca\u201D already exists.",
         {{"a", "new"}, {"b", "B"}, {"xa", "A"}}},
        {"replaced",
         [](const TempDir& d) {
             ::unlink(d.pathOf("xa").c_str());
             d.write("xa", "other");
         },
         "\u201Cxa\u201D has been replaced by another file.",
         {{"b", "B"}, {"xa", "other"}}},
    };
    for (const Case& c : cases) {
        TempDir dir;
        RenameViewModel model;
        model.addFiles({dir.write("a", "A"), dir.write("b", "B")});
        model.setConfig(prefixConfig("x"));
        model.applyRename();
        c.meanwhile(dir);
        model.undoRename();
        EXPECT_EQ(dir.contents(), c.after) << c.what;
        ASSERT_EQ(model.resultReport().failureLines.size(), 1u) << c.what;
        EXPECT_NE(model.resultReport().failureLines[0].find(c.reason), std::string::npos)
            << c.what << ": " << model.resultReport().failureLines[0];
        EXPECT_EQ(model.filesToRedo(), 1) << c.what;  // only b.txt came back
    }
}

}  // namespace
}  // namespace vellumix
