// Name computation: every rule on the base name, the extension kept as split
// off, clamping of out-of-range values, and names that are not UTF-8.

#include <chrono>
#include <cstdint>
#include <limits>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <unicode/locid.h>
#include <unicode/timezone.h>

#include "engine/date_text.h"
#include "engine/name_computer.h"
#include "engine/rename_engine.h"

namespace vellumix {
namespace {

using namespace std::chrono;
using namespace std::chrono_literals;
using enum RenameRule;

constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();
constexpr std::int64_t kMin = std::numeric_limits<std::int64_t>::min();
const std::string kMinText = "-9223372036854775808";

// 14 March 2025, 09:05:30 UTC.
const system_clock::time_point kClock = sys_days{2025y / March / 14} + 9h + 5min + 30s;

RenameConfig rule(RenameRule r) {
    RenameConfig config;
    config.rule = r;
    return config;
}
RenameConfig affix(RenameRule r, std::string text) {
    RenameConfig config = rule(r);
    config.text = std::move(text);
    return config;
}
RenameConfig finding(RenameRule r, std::string find, std::string replace, bool caseSensitive) {
    RenameConfig config = rule(r);
    config.findText = std::move(find);
    config.replaceText = std::move(replace);
    config.caseSensitive = caseSensitive;
    return config;
}
RenameConfig numbering(std::int64_t start, std::int64_t step, std::int64_t padding,
                       InsertPosition position = InsertPosition::suffix, std::string sep = "_") {
    RenameConfig config = rule(addNumber);
    config.numberStart = start;
    config.numberStep = step;
    config.numberPadding = padding;
    config.numberPosition = position;
    config.numberSeparator = std::move(sep);
    return config;
}
RenameConfig dating(std::string format, InsertPosition position = InsertPosition::suffix,
                    std::string sep = "_") {
    RenameConfig config = rule(addDate);
    config.dateFormat = std::move(format);
    config.datePosition = position;
    config.dateSeparator = std::move(sep);
    return config;
}
RenameConfig removing(std::int64_t from, std::int64_t count) {
    RenameConfig config = rule(removeChars);
    config.removeFrom = from;
    config.removeCount = count;
    return config;
}

// compute reads only the item's name; the folder does not matter.
std::string computeName(const RenameConfig& config, const std::string& name,
                        std::int64_t index = 0) {
    return RenameEngine::compute(config, FileItem(FileUrl("/home/user/" + name)), index, kClock);
}

struct Case {
    const char* name;
    RenameConfig config;
    std::string file;
    std::string expected;
    std::int64_t index = 0;
};

void expectAll(const std::vector<Case>& cases) {
    for (const Case& c : cases) {
        EXPECT_EQ(computeName(c.config, c.file, c.index), c.expected) << c.name;
    }
}

TEST(NameComputation, RulesActOnTheBaseNameOnly) {
    expectAll({
        {"prefix", affix(addPrefix, "IMG_"), "photo.jpg", "IMG_photo.jpg"},
        {"suffix", affix(addSuffix, "_final"), "photo.jpg", "photo_final.jpg"},
        {"no extension gets no dot", affix(addSuffix, ".md"), "README", "README.md"},
        {"split at the last dot", affix(addSuffix, "_v2"), "archive.tar.gz", "archive.tar_v2.gz"},
        {"leading dot is base name", affix(addSuffix, "_x"), ".profile", ".profile_x"},
        {"name that is not UTF-8 is kept", affix(addPrefix, "x"), "a_b\xC3.JPG", "a_b\xC3.JPG"},
        {"hidden file with extension", affix(addPrefix, "x"), ".config.json", "x.config.json"},
        {"defaults change nothing", RenameConfig(), "report.pdf", "report.pdf"},
        {"lowercase", rule(caseChange), "MyFile.TXT", "myfile.TXT"},
    });
}

// Canonically equivalent texts match; the bytes outside a match are kept. A
// match begins and ends between user-perceived characters.
TEST(NameComputation, FindAndReplace) {
    const auto find = [](std::string findText, std::string replaceText, bool caseSensitive) {
        return finding(replace, std::move(findText), std::move(replaceText), caseSensitive);
    };
    const std::string de = "e\u0301";  // decomposed
    const std::string pe = "\u00e9";   // precomposed
    const std::string family = "👨\u200d👩\u200d👧";
    expectAll({
        {"ignoring case", find("jpg", "x", false), "IMG_JPG.jpg", "IMG_x.jpg"},
        {"extension never searched", find("jpg", "x", true), "IMG_JPG.jpg", "IMG_JPG.jpg"},
        {"empty find text", find("", "x", false), "photo.jpg", "photo.jpg"},
        {"at start, middle and end", find("a", "_", false), "abaca.txt", "_b_c_.txt"},
        {"non-overlapping, left to right", find("aa", "b", false), "aaa.txt", "ba.txt"},
        {"replaced text not searched again", find("a", "aa", false), "aba.txt", "aabaa.txt"},
        {"literal, not a pattern", find("(1).", "", false), "a(1).b.txt", "ab.txt"},
        {"letters outside ASCII ignore case", find("élan", "X", false), "ÉLAN 1.txt", "X 1.txt"},
        {"'ss' finds 'ß' ignoring case", find("ss", "_", false), "Straße.txt", "Stra_e.txt"},
        {"'ß' finds 'SS' ignoring case", find("ß", "_", false), "STRASSE.txt", "STRA_E.txt"},
        {"'ss' misses 'ß' with case", find("ss", "_", true), "Straße.txt", "Straße.txt"},
        {"'s' alone is not half of 'ß'", find("s", "_", false), "ß.txt", "ß.txt"},
        {"precomposed finds decomposed", find("caf" + pe, "bar", false),
         "caf" + de + " r" + de + "sum" + de + ".txt", "bar r" + de + "sum" + de + ".txt"},
        {"decomposed finds precomposed", find("caf" + de, "bar", true),
         "caf" + pe + " r" + pe + "sum" + de + ".txt", "bar r" + pe + "sum" + de + ".txt"},
        {"ignoring case across forms", find("CAF\u00c9", "bar", false), "Caf" + de + ".txt",
         "bar.txt"},
        {"marks in another order", find("a\u0323\u0301", "bar", true), "xa\u0301\u0323y.txt",
         "xbary.txt"},
        {"ASCII find among marks", find("x", "bar", false), de + "x" + pe + ".txt",
         de + "bar" + pe + ".txt"},
        {"letter without its accent", find("Cafe", "X", false), "Cafe\u0301.txt", "Cafe\u0301.txt"},
        {"heart without its emoji selector", find("\u2764", "X", true), "\u2764\ufe0f.txt",
         "\u2764\ufe0f.txt"},
        {"emoji without its skin tone", find("👍", "X", true), "👍🏽.txt", "👍🏽.txt"},
        {"halves of two flags", find("🇪🇪", "X", true), "🇩🇪🇪🇸.txt", "🇩🇪🇪🇸.txt"},
        {"the second of two flags", find("🇪🇸", "X", true), "🇩🇪🇪🇸.txt", "🇩🇪X.txt"},
        {"one of a joined family", find("👩", "X", true), family + ".txt", family + ".txt"},
        {"decomposed Hangul syllable", find("\ud558", "X", true), "\u1112\u1161\u11ab.txt",
         "\u1112\u1161\u11ab.txt"},
        {"control before a mark", find("\t", "X", true), "\t\u0301.txt", "X\u0301.txt"},
        {"CR of a CR LF", find("\r", "X", true), "a\r\nb.txt", "a\r\nb.txt"},
    });
}

TEST(NameComputation, RegexReplace) {
    const auto regex = [](std::string pattern, std::string replaceTemplate,
                          bool caseSensitive = false) {
        return finding(regexReplace, std::move(pattern), std::move(replaceTemplate), caseSensitive);
    };
    const std::string runaway = "ab" + std::string(40, 'a');
    expectAll({
        {"capture group template", regex("(\\d+)", "[$1]"), "take12.mov", "take[12].mov"},
        {"whole match $0", regex("o+", "<$0>"), "foo.txt", "f<oo>.txt"},
        {"escaped dollar", regex("a", "\\$1"), "cat.txt", "c$1t.txt"},
        {"empty match at start", regex("^", "x"), "name.txt", "xname.txt"},
        {"only the base name is seen", regex("txt$", "X"), "a.txt.txt", "a.X.txt"},
        {"ignoring case", regex("img", "pic"), "IMG_1.jpg", "pic_1.jpg"},
        {"case-sensitive", regex("img", "pic", true), "IMG_1.jpg", "IMG_1.jpg"},
        {"'ss' matches 'ß' ignoring case", regex("ss", "s"), "Straße.txt", "Strase.txt"},
        {"unbalanced parenthesis", regex("(\\d+", "x"), "take12.mov", "take12.mov"},
        {"empty pattern", regex("", "x"), "take12.mov", "take12.mov"},
        {"dollar before no digit", regex("(\\d+)", "US$ $1"), "take12.mov", "takeUS$ 12.mov"},
        {"lone dollar at the end", regex("a", "x$"), "cat.txt", "cx$t.txt"},
        {"named group is not a group", regex("(a)", "${x}"), "cat.txt", "c${x}t.txt"},
        {"missing group stands for nothing", regex("(a)", "[$2]"), "cat.txt", "c[]t.txt"},
        {"group that did not take part", regex("(x)?a", "[$1]"), "cat.txt", "c[]t.txt"},
        {"digits past the group count", regex("(a)", "$12"), "cat.txt", "ca2t.txt"},
        {"two-digit group", regex("(.)(.)(.)(.)(.)(.)(.)(.)(.)(.)", "$10$11"), "abcdefghij.txt",
         "ja1.txt"},
        {"backslash escapes, a lone one stays", regex("a", "\\u0041\\\\\\"), "cat.txt",
         "cu0041\\\\t.txt"},
        {"runaway backtracking stops, unchanged", regex("(a+)+b", "x"), runaway, runaway},
    });
}

TEST(NameComputation, Numbering) {
    const RenameConfig defaults = rule(addNumber);
    expectAll({
        {"defaults, third", defaults, "c.txt", "c_03.txt", 2},
        {"start, step, before", numbering(10, 5, 3, InsertPosition::prefix, "-"), "c.txt",
         "020-c.txt", 2},
        {"wider than padding, never cut", numbering(123, 1, 2), "a.txt", "a_123.txt"},
        {"padding 0 is plain", numbering(7, 1, 0), "a", "a_7"},
        {"empty separator", numbering(1, 1, 2, InsertPosition::suffix, ""), "a", "a01"},
        {"sign counts toward the width", numbering(-5, 1, 3), "a", "a_-05"},
        {"negative padding left-justifies", numbering(7, 1, -4), "a", "a_7   "},
        {"start + step wraps around", numbering(kMax, 1, 2), "a", "a_" + kMinText, 1},
        {"index × step wraps around", numbering(0, kMax, 2), "a", "a_-2", 2},
        {"largest index and step", numbering(kMax, kMax, 2), "a", "a_" + kMinText, kMax},
        {"width capped at 255", numbering(1, 1, 1000), "a", "a_" + std::string(254, '0') + "1"},
        {"negative width capped", numbering(1, 1, kMin), "a", "a_1" + std::string(254, ' ')},
    });
}

// Fixes ICU's default time zone and locale for one test and restores them.
class NameComputationDate : public ::testing::Test {
protected:
    void SetUp() override {
        savedZone_.reset(icu::TimeZone::createDefault());
        savedLocale_ = icu::Locale::getDefault();
        useZone("UTC");
        UErrorCode status = U_ZERO_ERROR;
        icu::Locale::setDefault(icu::Locale("en_US"), status);
    }
    void TearDown() override {
        icu::TimeZone::setDefault(*savedZone_);
        UErrorCode status = U_ZERO_ERROR;
        icu::Locale::setDefault(savedLocale_, status);
    }
    static void useZone(const char* id) {
        icu::TimeZone::adoptDefault(icu::TimeZone::createTimeZone(id));
    }

private:
    std::unique_ptr<icu::TimeZone> savedZone_;
    icu::Locale savedLocale_;
};

// The default time zone at the time of the preview counts, and only then.
TEST_F(NameComputationDate, FormatsTheClockReadingInTheDefaultTimeZone) {
    expectAll({
        {"default format", dating("yyyy-MM-dd"), "notes.txt", "notes_2025-03-14.txt"},
        {"empty format means the default", dating(""), "notes.txt", "notes_2025-03-14.txt"},
        {"time before the name", dating("HHmm", InsertPosition::prefix, " "), "notes.txt",
         "0905 notes.txt"},
        {"quoted text", dating("'week' ww"), "a.txt", "a_week 11.txt"},
        {"pattern letter ICU refuses", dating("yyyy jj"), "notes.txt", "notes.txt"},
    });
    const RenameConfig config = dating("yyyy-MM-dd HH.mm");
    detail::DateTexts texts(config, kClock);
    useZone("Asia/Tokyo");  // UTC+9
    EXPECT_EQ(computeName(config, "a.txt"), "a_2025-03-14 18.05.txt");
    EXPECT_EQ(detail::NameComputer(config).nameFor("b.txt", 99,
                                                  texts.textFor(FileItem(FileUrl("/b.txt")))),
              "b_2025-03-14 09.05.txt");  // made in UTC
    useZone("America/Los_Angeles");  // UTC-7 in March: the night before, three hours earlier
    EXPECT_EQ(RenameEngine::compute(config, FileItem(FileUrl("/a.txt")), 0, kClock - 3h),
              "a_2025-03-13 23.05.txt");
}

// Each file's own date, read from it: modified, else taken, else the name
// stays; texts that stand for a span of time never cross a day of the clock.
TEST_F(NameComputationDate, WritesEachFilesOwnDate) {
    const auto at = [](FileDates dates) {
        FileItem item(FileUrl("/p/IMG_1.JPG"));
        item.dates = dates;
        return item;
    };
    const system_clock::time_point taken = sys_days{2019y / July / 4} + 18h + 30min;
    const system_clock::time_point beforeMidnight = sys_days{2025y / March / 14} + 14h + 59min;
    const system_clock::time_point afterMidnight = beforeMidnight + 1min;  // Tokyo's midnight
    struct Case {
        const char* name;
        DateSource source;
        const char* pattern;
        const char* zone;
        FileItem file;
        const char* expected;
    };
    const Case cases[] = {
        {"modified", DateSource::modified, "", "UTC", at({kClock, taken}), "IMG_1_2025-03-14.JPG"},
        {"taken", DateSource::taken, "", "UTC", at({kClock, taken}), "IMG_1_2019-07-04.JPG"},
        {"taken, none held: modified", DateSource::taken, "", "UTC", at({kClock, std::nullopt}),
         "IMG_1_2025-03-14.JPG"},
        {"not read yet", DateSource::taken, "", "UTC", FileItem(FileUrl("/p/IMG_1.JPG")),
         "IMG_1.JPG"},
        {"unreadable", DateSource::modified, "", "UTC", at({}), "IMG_1.JPG"},
        {"refused pattern", DateSource::modified, "yyyy jj", "UTC", at({kClock, {}}), "IMG_1.JPG"},
        {"seconds", DateSource::modified, "HHmmss", "UTC", at({kClock, {}}), "IMG_1_090530.JPG"},
        {"seconds, the same minute", DateSource::modified, "HHmmss", "UTC", at({kClock + 15s, {}}),
         "IMG_1_090545.JPG"},
        {"Tokyo, before midnight", DateSource::taken, "", "Asia/Tokyo",
         at({kClock, beforeMidnight}), "IMG_1_2025-03-14.JPG"},
        {"Tokyo, after midnight", DateSource::taken, "", "Asia/Tokyo",
         at({kClock, afterMidnight}), "IMG_1_2025-03-15.JPG"},
        {"Tokyo, hours", DateSource::taken, "dd HH", "Asia/Tokyo", at({kClock, afterMidnight}),
         "IMG_1_15 00.JPG"},
        // Paris kept its own mean time until 1911, 9 min 21 s ahead of UTC.
        {"Paris 1900, before midnight", DateSource::taken, "", "Europe/Paris",
         at({kClock, sys_days{1900y / January / 1} + 23h + 50min}), "IMG_1_1900-01-01.JPG"},
        {"Paris 1900, after midnight", DateSource::taken, "", "Europe/Paris",
         at({kClock, sys_days{1900y / January / 1} + 23h + 51min}), "IMG_1_1900-01-02.JPG"},
    };
    for (const Case& c : cases) {
        useZone(c.zone);
        RenameConfig config = dating(c.pattern);
        config.dateSource = c.source;
        // One preview of the file after each other file, so that each text
        // is asked for after the others of its span.
        std::vector<FileItem> files;
        for (const Case& other : cases) {
            if (std::string_view(other.zone) == c.zone) files.push_back(other.file);
        }
        files.push_back(c.file);
        EXPECT_EQ(RenameEngine::preview(files, config).back().newName, c.expected) << c.name;
        EXPECT_EQ(RenameEngine::compute(config, c.file, 0, kClock), c.expected) << c.name;
    }
}

TEST(NameComputation, RemoveCharacters) {
    expectAll({
        {"first character", removing(0, 1), "photo.jpg", "hoto.jpg"},
        {"count past the end", removing(3, 10), "photo.jpg", "pho.jpg"},
        {"start past the end", removing(10, 1), "photo.jpg", "photo.jpg"},
        {"whole name without extension", removing(0, 5), "notes", ""},
        {"negative start counts from 0", removing(-3, 2), "photo.jpg", "oto.jpg"},
        {"negative count", removing(1, -2), "photo.jpg", "photo.jpg"},
        {"smallest start, largest count", removing(kMin, kMax), "photo.jpg", ".jpg"},
        {"combining accent is one character", removing(1, 1), "ve\u0301lo.txt", "vlo.txt"},
        {"skin-tone emoji is one character", removing(1, 1), "a👍🏽b.txt", "ab.txt"},
        {"family emoji is one character", removing(0, 1), "👨‍👩‍👧x.txt", "x.txt"},
        {"CR LF is one character", removing(1, 1), "a\r\nb.txt", "ab.txt"},
    });
}

TEST(NameComputation, SmartCleanUp) {
    const RenameConfig cleanUp = rule(RenameRule::cleanUp);
    expectAll({
        {"separators become spaces", cleanUp, "my_holiday-photo.final.JPG",
         "My Holiday Photo Final.JPG"},
        {"separators at the ends", cleanUp, "__notes__.txt", "Notes.txt"},
        {"separators only", cleanUp, "___.txt", ".txt"},
        {"inner capitals lowered", cleanUp, "iPHONE_pic.png", "Iphone Pic.png"},
        {"ß begins a word", cleanUp, "ßtraße_x.txt", "SStraße X.txt"},
        {"runs of white space", cleanUp, "a \t\n b\u2028c.txt", "A B C.txt"},
        {"no-break spaces trimmed", cleanUp, "\u00a0a\u3000.txt", "A.txt"},
        {"line break at an end", cleanUp, "\na\r.txt", "A.txt"},
        {"hidden file", cleanUp, ".profile", "Profile"},
        {"separator carrying a mark", cleanUp, "a_\u0301b-c.txt", "A_\u0301b C.txt"},
        {"separator held by a prepended sign", cleanUp, "\u0600-a_b.txt", "\u0600-a B.txt"},
    });
}

TEST(NameComputation, ConfigTextsThatAreNotUtf8GiveWellFormedNames) {
    RenameConfig number = rule(addNumber);
    number.numberSeparator = "\xFF";
    expectAll({
        {"prefix", affix(addPrefix, "x\xFF"), "a.txt", "x\uFFFDa.txt"},
        {"replacement", finding(replace, "a", "\xFFz", false), "cat.txt", "c\uFFFDzt.txt"},
        {"template", finding(regexReplace, "a", "\xFF", false), "cat.txt", "c\uFFFDt.txt"},
        {"separator", number, "a.txt", "a\uFFFD01.txt"},
    });
}

}  // namespace
}  // namespace vellumix
