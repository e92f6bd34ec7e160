#include "model/file_url.h"

#include <gtest/gtest.h>

#include <unordered_set>

namespace vellumix {
namespace {

struct SplitCase {
    const char* path;
    const char* lastComponent;
    const char* extension;
    const char* withoutExtension;
    const char* parent;
};

TEST(FileUrlTest, SplitsPaths) {
    const SplitCase cases[] = {
        {"/a/b.txt", "b.txt", "txt", "/a/b", "/a/"},
        {"/a/archive.tar.gz", "archive.tar.gz", "gz", "/a/archive.tar", "/a/"},
        {"/a/README", "README", "", "/a/README", "/a/"},
        {"/a/.profile", ".profile", "", "/a/.profile", "/a/"},
        {"/a/name.", "name.", "", "/a/name.", "/a/"},
        {"/a/...", "...", "", "/a/...", "/a/"},
        {"/a/..x", "..x", "x", "/a/.", "/a/"},
        {"/a/.tar.gz", ".tar.gz", "gz", "/a/.tar", "/a/"},
        {"/a/dir/", "dir", "", "/a/dir/", "/a/"},
        {"/a/pics.d/", "pics.d", "d", "/a/pics/", "/a/"},
        {"/b.txt", "b.txt", "txt", "/b", "/"},
        {"/", "/", "", "/", "/"},
        {"/a/caf\xC3\xA9.JPEG", "caf\xC3\xA9.JPEG", "JPEG", "/a/caf\xC3\xA9", "/a/"},
        {"/a/bad\xFF.t\xFEt", "bad\xFF.t\xFEt", "t\xFEt", "/a/bad\xFF", "/a/"},
    };
    for (const auto& c : cases) {
        const FileUrl url(c.path);
        EXPECT_EQ(url.lastPathComponent(), c.lastComponent) << c.path;
        EXPECT_EQ(url.pathExtension(), c.extension) << c.path;
        EXPECT_EQ(url.deletingPathExtension().path(), c.withoutExtension) << c.path;
        EXPECT_EQ(url.deletingLastPathComponent().path(), c.parent) << c.path;
    }
}

TEST(FileUrlTest, AppendsAndComparesByTextOnly) {
    EXPECT_EQ(FileUrl("/a/").appendingPathComponent("b.txt").path(), "/a/b.txt");
    EXPECT_EQ(FileUrl("/a").appendingPathComponent("b.txt").path(), "/a/b.txt");
    EXPECT_EQ(FileUrl("/").appendingPathComponent("b").path(), "/b");
    EXPECT_EQ(FileUrl("/a/").appendingPathComponent("x/y").path(), "/a/x/y");
    EXPECT_TRUE(FileUrl("/a/dir/").hasDirectoryPath());
    EXPECT_FALSE(FileUrl("/a/dir").hasDirectoryPath());
    EXPECT_NE(FileUrl("/a/b.txt"), FileUrl("/a/B.txt"));
    EXPECT_NE(FileUrl("/a/./b.txt"), FileUrl("/a/b.txt"));
    EXPECT_NE(FileUrl("/a/\xC3\xA9"), FileUrl("/a/e\xCC\x81"));  // é composed and decomposed
    const std::unordered_set<FileUrl> set{FileUrl("/a"), FileUrl("/a"), FileUrl("/a/")};
    EXPECT_EQ(set.size(), 2u);  // a trailing "/" makes another URL
}

}  // namespace
}  // namespace vellumix
