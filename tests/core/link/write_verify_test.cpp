#include "core/link/write_verify.h"

#include <gtest/gtest.h>

namespace lumio {
namespace {

TEST(WriteVerify, FirstDifferenceOfImagePairs) {
    struct Case {
        const char* name;
        Bytes sent;
        Bytes readBack;
        std::optional<std::size_t> expected;
    };
    const Case cases[] = {
        {"equal", "abcdef", "abcdef", std::nullopt},
        {"both empty", "", "", std::nullopt},
        {"differs in the middle", "abcdef", "abXdef", 2},
        {"differs at the first byte", "abc", "xbc", 0},
        {"read back shorter", "abcdef", "abc", 3},
        {"read back longer", "abc", "abcdef", 3},
        {"zero bytes count", Bytes("a\0b", 3), Bytes("a\0c", 3), 2},
    };
    for (const Case& c : cases) EXPECT_EQ(firstDifference(c.sent, c.readBack), c.expected) << c.name;
}

}  // namespace
}  // namespace lumio
