// Canonical normalisation: equality agrees with comparing NFC forms, and the
// no-copy NFC check with making the form.

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "engine/normalization.h"
#include "engine/utf8.h"

namespace vellumix::detail {

TEST(Normalization, CanonicalEqualityAgreesWithComparingNfcForms) {
    struct Row {
        const char* name;
        std::string a;
        std::string b;
        bool equal;
    };
    const std::string composed = "caf\xC3\xA9";     // café, precomposed é
    const std::string decomposed = "cafe\xCC\x81";  // café, e + U+0301
    const std::vector<Row> rows = {
        {"composed and decomposed", composed, decomposed, true},
        {"both NFC, different", composed, "caf\xC3\xA8", false},
        {"decomposed, different letter", decomposed, "cafe\xCC\x80", false},
        {"marks in another order, same meaning", "a\xCC\xA3\xCC\x81", "a\xCC\x81\xCC\xA3", true},
        {"ASCII and its accented form", "cafe", composed, false},
        {"case differs", composed, "CAF\xC3\x89", false},
        {"not UTF-8, different bytes", "caf\xE9", composed, false},
        {"singleton: Ohm sign and Omega", "\xE2\x84\xA6", "\xCE\xA9", true},
        {"Hangul syllable and its jamo", "\xEA\xB0\x81", "\xE1\x84\x80\xE1\x85\xA1\xE1\x86\xA8",
         true},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(canonicallyEqual(row.a, row.b), row.equal) << row.name;
        EXPECT_EQ(canonicallyEqual(row.b, row.a), row.equal) << row.name << " (swapped)";
        for (const std::string& text : {row.a, row.b}) {
            EXPECT_EQ(isNfc(text), toNfc(text) == text) << row.name << ": is " << text << " NFC";
        }
        if (isValidUtf8(row.a) && isValidUtf8(row.b)) {
            EXPECT_EQ(canonicallyEqualWellFormed(row.a, row.b), row.equal) << row.name;
        }
    }
}

}  // namespace vellumix::detail
