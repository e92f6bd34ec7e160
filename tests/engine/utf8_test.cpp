// UTF-8 checks: the eight-bytes-at-a-time ASCII scan must not hide a
// multi-byte or ill-formed sequence.

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "engine/utf8.h"

namespace vellumix::detail {

TEST(Utf8, ValidationAtEveryPositionOfALongAsciiRun) {
    // The ASCII run is checked eight bytes at a time: an ill-formed or
    // multi-byte sequence must be seen wherever it falls in or after the run.
    struct Row {
        const char* name;
        std::string sequence;
        bool valid;
    };
    const std::vector<Row> rows = {{"two-byte é", "\xC3\xA9", true},
                                   {"four-byte emoji", "\xF0\x9F\x98\x80", true},
                                   {"lone continuation", "\x80", false},
                                   {"truncated", "\xC3", false},
                                   {"overlong slash", "\xC0\xAF", false},
                                   {"surrogate", "\xED\xA0\x80", false},
                                   {"past U+10FFFF", "\xF4\x90\x80\x80", false},
                                   {"byte FF", "\xFF", false}};
    for (const Row& row : rows) {
        for (std::size_t at = 0; at <= 20; ++at) {
            const std::string text = std::string(at, 'a') + row.sequence + std::string(at % 9, 'b');
            EXPECT_EQ(isValidUtf8(text), row.valid) << row.name << " after " << at << " bytes";
            EXPECT_FALSE(isAscii(text)) << row.name << " after " << at << " bytes";
        }
    }
    EXPECT_TRUE(isValidUtf8(std::string(37, 'x')));
    EXPECT_TRUE(isAscii(std::string(37, 'x')));
}

}  // namespace vellumix::detail
