// What drives of the FAT family refuse before any move.

#include "engine/drive_names.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "support/escaped_bytes.h"

namespace vellumix::detail {
namespace {

using vellumix::testing::escapedBytes;

TEST(DriveNamesTest, RefusedBeforeAnyMove) {
    struct Case {
        Drive drive;
        std::string name;
        std::string newName;
        std::optional<FailureKind> refusal;
    };
    const std::string long255 = std::string(251, 'x') + ".jpg";
    // clang-format off
    const Case cases[] = {
        {Drive::other, "a", "b:c?\\|*<>\"\t\x7F", std::nullopt},
        {Drive::fat, "a", "IMG_0001 (copy) #2, [x]+y=z.jpg", std::nullopt},
        {Drive::fat, "a", "caf\xC3\xA9 \xF0\x9F\x93\xB7", std::nullopt},
        {Drive::fat, "a", "10\xC2\xA0MB.pdf", std::nullopt},  // a no-break space, unlike U+0085
        {Drive::fat, "folder", "new", std::nullopt},
        {Drive::fat, "a", long255, std::nullopt},
        {Drive::fat, "a", long255 + "x", FailureKind::nameTooLong},
        {Drive::fat, "a", std::string(127, 'x') + "\xF0\x9F\x93\xB7", std::nullopt},  // 129 UTF-16 units
        {Drive::fat, "a", std::string(254, 'x') + "\xF0\x9F\x93\xB7", FailureKind::nameTooLong},
        {Drive::fusefat, "a", "IMG_0001 (copy).jpg", std::nullopt},
        {Drive::fusefat, "a", "caf\xC3\xA9", FailureKind::nameNotOnDrive},
        {Drive::fusefat, "folder", "new", FailureKind::other},
    };
    // clang-format on
    for (const char* bad :
         {"b:c", "b?", "b*", "b|", "b\\", "b<", "b>", "b\"", "\t", "\x7F", "\xC2\x85"}) {
        for (const Drive drive : {Drive::fat, Drive::fusefat}) {
            EXPECT_EQ(driveRefusal(drive, "a", bad, false).value().kind,
                      FailureKind::nameNotOnDrive)
                << escapedBytes(bad);
        }
    }
    for (const Case& c : cases) {
        const std::optional<Failure> refusal =
            driveRefusal(c.drive, c.name, c.newName, c.name == "folder");
        EXPECT_EQ(refusal ? std::optional(refusal->kind) : std::nullopt, c.refusal)
            << escapedBytes(c.newName);
    }
}

}  // namespace
}  // namespace vellumix::detail
