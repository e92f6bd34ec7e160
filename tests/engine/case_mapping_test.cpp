// Case mapping: a non-ASCII letter sends a text down ICU's general path, which
// must agree with the ASCII-only fast path.

#include <string>

#include <gtest/gtest.h>

#include "engine/case_mapping.h"

namespace vellumix::detail {

TEST(CaseMapping, AsciiFastPathAgreesWithGeneralPath) {
    std::string ascii;
    for (int c = 0; c < 0x80; ++c)
        ascii += static_cast<char>(c);
    EXPECT_EQ(toLowerFull(ascii) + "\u00E9", toLowerFull(ascii + "\u00C9"));
    EXPECT_EQ(toUpperFull(ascii) + "\u00C9", toUpperFull(ascii + "\u00E9"));
}

}  // namespace vellumix::detail
