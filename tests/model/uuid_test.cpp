#include "model/uuid.h"

#include <gtest/gtest.h>

#include <regex>
#include <unordered_set>

namespace vellumix {
namespace {

TEST(UuidTest, IsRandomVersion4InCanonicalForm) {
    const std::regex form("[0-9a-f]{8}-[0-9a-f]{4}-4[0-9a-f]{3}-[89ab][0-9a-f]{3}-[0-9a-f]{12}");
    std::unordered_set<Uuid> seen;
    for (int i = 0; i < 10000; ++i) {
        const Uuid uuid;
        ASSERT_TRUE(std::regex_match(uuid.toString(), form)) << uuid.toString();
        ASSERT_TRUE(seen.insert(uuid).second) << "repeated " << uuid.toString();
    }
}

}  // namespace
}  // namespace vellumix
