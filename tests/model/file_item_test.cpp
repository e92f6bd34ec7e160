#include "model/file_item.h"

#include <gtest/gtest.h>

namespace vellumix {
namespace {

TEST(FileItemTest, NewItemIsPendingWithEmptyNewNameAndFreshId) {
    const FileItem a(FileUrl("/x/report.pdf"));
    EXPECT_EQ(a.newName, "");
    EXPECT_EQ(a.status, FileItem::Status::pending);
    EXPECT_EQ(a.currentName(), "report.pdf");
    EXPECT_NE(a.id, FileItem(FileUrl("/x/report.pdf")).id);
}

}  // namespace
}  // namespace vellumix
