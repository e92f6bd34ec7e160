// The list in the order the user means: sorted by name as names read, by date,
// size and type, either way; reordered by hand; Add Numbering follows.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <string>
#include <unicode/locid.h>
#include <vector>

#include "support/items.h"
#include "support/posted_queue.h"
#include "support/temp_dir.h"
#include "support/test_photos.h"
#include "viewmodel/rename_view_model.h"

namespace vellumix {
namespace {

using namespace vellumix::testing;

std::vector<std::string> namesOf(const std::vector<FileItem>& items, bool newNames = false) {
    std::vector<std::string> names;
    for (const FileItem& item : items)
        names.push_back(newNames ? item.newName : item.currentName());
    return names;
}

// Files written with a size (their contents' length) and a modification time.
struct Made {
    const char* name;
    int size;
    int modified;  // seconds after a fixed moment
};

TEST(FileOrderTest, SortsAsAPersonMeansAndNumberingFollows) {
    UErrorCode status = U_ZERO_ERROR;
    icu::Locale::setDefault(icu::Locale("en_US"), status);
    const TempDir dir;
    RenameViewModel model;
    const Made made[] = {{"IMG_10.jpg", 30, 5}, {"Zebra.txt", 10, 1}, {"img_11.JPG", 20, 3},
                         {"\xC3\x89t\xC3\xA9.txt", 40, 4}, {"IMG_9.jpg", 50, 2}};
    std::vector<FileUrl> urls;
    for (const Made& m : made) {
        urls.push_back(dir.write(m.name, std::string(static_cast<std::size_t>(m.size), 'x')));
        const timespec times[2] = {{1'700'000'000 + m.modified, 0}, {1'700'000'000 + m.modified, 0}};
        ASSERT_EQ(::utimensat(AT_FDCWD, urls.back().path().c_str(), times, 0), 0);
    }
    urls.emplace_back(dir.pathOf("gone.txt"));  // listed, then vanished: last by date and size
    model.addFiles(urls);
    ASSERT_EQ(namesOf(model.files()).front(), "IMG_10.jpg");  // code points, as added
    const Uuid zebra = model.files()[2].id;
    ASSERT_EQ(model.files()[2].currentName(), "Zebra.txt");

    const std::string ete = "\xC3\x89t\xC3\xA9.txt";
    struct Case {
        FileSort sort;
        std::vector<std::string> order;
    };
    const Case cases[] = {
        {{SortKey::name, false}, {ete, "gone.txt", "IMG_9.jpg", "IMG_10.jpg", "img_11.JPG", "Zebra.txt"}},
        {{SortKey::name, true}, {"Zebra.txt", "img_11.JPG", "IMG_10.jpg", "IMG_9.jpg", "gone.txt", ete}},
        {{SortKey::size, false}, {"Zebra.txt", "img_11.JPG", "IMG_10.jpg", ete, "IMG_9.jpg", "gone.txt"}},
        {{SortKey::size, true}, {"IMG_9.jpg", ete, "IMG_10.jpg", "img_11.JPG", "Zebra.txt", "gone.txt"}},
        {{SortKey::dateModified, false}, {"Zebra.txt", "IMG_9.jpg", "img_11.JPG", ete, "IMG_10.jpg", "gone.txt"}},
        {{SortKey::type, false}, {"IMG_9.jpg", "IMG_10.jpg", "img_11.JPG", ete, "gone.txt", "Zebra.txt"}},
    };
    RenameConfig numbering;
    numbering.rule = RenameRule::addNumber;
    model.setConfig(numbering);
    for (const Case& c : cases) {
        model.sortFiles(c.sort);
        EXPECT_EQ(namesOf(model.files()), c.order) << static_cast<int>(c.sort.key) << c.sort.descending;
        EXPECT_EQ(model.sortedBy(), c.sort);
        // Numbering counts in the order shown: the first gets _01.
        EXPECT_EQ(namesOf(model.previewFiles(), true).front(),
                  c.order.front().substr(0, c.order.front().rfind('.')) + "_01" +
                      c.order.front().substr(c.order.front().rfind('.')));
    }
    EXPECT_EQ(model.files()[5].id, zebra);  // the rows keep their ids
    model.addFiles({dir.write("a.txt")});  // added later: at the end, and the list is no longer sorted
    EXPECT_EQ(namesOf(model.files()).back(), "a.txt");
    EXPECT_FALSE(model.sortedBy());
}

// A photo, its raw file and its sidecar keep one number, that of the first
// of them in the order shown, sorted or set by hand; a file of the same name
// in another folder is no companion; off, every file has its own.
TEST(FileOrderTest, CompanionsShareTheNumberOfTheFirstOfThem) {
    const TempDir dir;
    RenameViewModel model;
    std::vector<FileUrl> urls;
    for (const char* name : {"IMG_0002.JPG", "IMG_0001.CR2", "IMG_0001.JPG", "IMG_0001.XMP",
                             "IMG_0002.CR2", "notes.txt", "other/IMG_0001.JPG"})
        urls.push_back(dir.write(name));
    model.addFiles(urls);
    RenameConfig config;
    config.rule = RenameRule::addNumber;
    config.numberCompanions = true;
    model.setConfig(config);
    model.sortFiles({SortKey::name, false});
    const auto numbers = [&] {
        std::string all;
        for (const FileItem& item : model.previewFiles())
            all += item.newName.substr(item.newName.find('_', 4) + 1, 2) + " ";
        return all;
    };
    // IMG_0001.CR2, IMG_0001.JPG, other/IMG_0001.JPG, IMG_0001.XMP, IMG_0002.CR2 .JPG, notes.txt
    EXPECT_EQ(numbers(), "01 01 02 01 03 03 04 ");
    model.moveFiles({6}, 0);  // notes.txt first
    EXPECT_EQ(numbers(), "01 02 02 03 02 04 04 ");
    config.numberCompanions = false;
    model.setConfig(config);
    EXPECT_EQ(numbers(), "01 02 03 04 05 06 07 ");
}

// Add Date from the files and the sort by date taken wait for the files' dates,
// read once on a thread of their own: the preview never shows a date not
// read, and files added later are read alone.
TEST(FileOrderTest, DatesFromTheFilesAreReadOnceOffTheCallersThread) {
    const TempDir dir;
    const auto photo = [&](const char* name, const char* taken, int modified) {
        const std::string path = dir.pathOf(name);
        drawPhoto(path);
        if (*taken != '\0') writeMetadata(path, {{"Exif.Photo.DateTimeOriginal", taken}});
        const timespec times[2] = {{modified, 0}, {modified, 0}};
        EXPECT_EQ(::utimensat(AT_FDCWD, path.c_str(), times, 0), 0);
        return FileUrl(path);
    };
    constexpr int kMay2024 = 1'714'564'800;  // 2024-05-01 12:00 UTC
    RenameViewModel model;
    PostedQueue queue;
    model.setDatesPost(queue.post());
    model.addFiles({photo("a.jpg", "2019:07:04 18:30:00", kMay2024),
                    photo("b.jpg", "", kMay2024 - 86'400),
                    photo("c.jpg", "2018:01:01 09:00:00", kMay2024 + 86'400)});
    EXPECT_FALSE(model.datesReading());  // nothing needs them yet

    RenameConfig config;
    config.rule = RenameRule::addDate;
    config.dateSource = DateSource::taken;
    config.dateFormat = "yyyy";
    model.setConfig(config);
    ASSERT_TRUE(model.datesReading());
    EXPECT_EQ(model.datesReading()->total, 3);
    EXPECT_EQ(namesOf(model.previewFiles(), true),
              (std::vector<std::string>{"a.jpg", "b.jpg", "c.jpg"}));  // not read yet: as they are
    int notifications = 0;
    const Subscription counting = model.onWillChange([&] { ++notifications; });
    ASSERT_TRUE(queue.runNext());
    EXPECT_EQ(notifications, 1);
    EXPECT_FALSE(model.datesReading());
    EXPECT_EQ(namesOf(model.previewFiles(), true),
              (std::vector<std::string>{"a_2019.jpg", "b_2024.jpg", "c_2018.jpg"}));

    model.sortFiles({SortKey::dateTaken, false});  // read already: at once
    EXPECT_EQ(namesOf(model.files()), (std::vector<std::string>{"c.jpg", "a.jpg", "b.jpg"}));
    model.addFiles({photo("d.jpg", "2017:01:01 09:00:00", kMay2024)});
    ASSERT_TRUE(model.datesReading());
    EXPECT_EQ(model.datesReading()->total, 1);  // the new file alone
    ASSERT_TRUE(queue.runNext());
    EXPECT_EQ(namesOf(model.previewFiles(), true).back(), "d_2017.jpg");

    // A sort by date waits for the dates, unless another order comes first.
    model.setFiles({});
    model.addFiles({dir.urlOf("a.jpg"), dir.urlOf("b.jpg"), dir.urlOf("c.jpg")});
    ASSERT_TRUE(queue.runNext());  // the new items' dates for Add Date
    config.dateSource = DateSource::now;
    model.setConfig(config);
    model.addFiles({dir.urlOf("d.jpg")});
    EXPECT_FALSE(model.datesReading());
    model.sortFiles({SortKey::dateTaken, true});
    EXPECT_FALSE(model.sortedBy());
    EXPECT_EQ(model.datesReading()->total, 1);
    ASSERT_TRUE(queue.runNext());
    // b.jpg holds no date taken: its date modified stands in.
    EXPECT_EQ(namesOf(model.files()), (std::vector<std::string>{"b.jpg", "a.jpg", "c.jpg", "d.jpg"}));
    EXPECT_EQ(model.sortedBy(), (FileSort{SortKey::dateTaken, true}));
    model.addFiles({dir.write("e.jpg")});
    model.sortFiles({SortKey::dateTaken, false});
    model.moveFiles({4}, 0);  // put in an order by hand while the dates are read
    ASSERT_TRUE(queue.runNext());
    EXPECT_EQ(namesOf(model.files()).front(), "e.jpg");
    EXPECT_FALSE(model.sortedBy());
}

TEST(FileOrderTest, MovesTheChosenRowsTogetherInOneEdit) {
    struct Case {
        std::vector<std::size_t> positions;
        std::size_t before;
        std::string order;
    };
    const Case cases[] = {
        {{1}, 0, "bacde"},        // up one (Alt+Up)
        {{1}, 3, "acbde"},        // down one (Alt+Down)
        {{0, 3}, 5, "bcead"},     // gathered at the end, in list order
        {{3, 0}, 2, "badce"},     // any order given, list order kept
        {{4, 9, 4}, 0, "eabcd"},  // out of range and repeated: ignored
        {{2}, 2, "abcde"},        // before itself: stays
    };
    for (const Case& c : cases) {
        RenameViewModel model;
        std::vector<FileItem> items;
        for (const char* name : {"a", "b", "c", "d", "e"})
            items.emplace_back(FileUrl(std::string("/d/") + name));
        model.setFiles(items);
        model.sortFiles({SortKey::name, false});
        int notifications = 0;
        const Subscription counting = model.onWillChange([&] { ++notifications; });
        model.moveFiles(c.positions, c.before);
        std::string order;
        for (const FileItem& item : model.files())
            order += item.currentName();
        EXPECT_EQ(order, c.order);
        EXPECT_EQ(notifications, 1);
        EXPECT_FALSE(model.sortedBy());
        EXPECT_EQ(model.files()[static_cast<std::size_t>(order.find('a'))].id, items[0].id);
    }
}

}  // namespace
}  // namespace vellumix
