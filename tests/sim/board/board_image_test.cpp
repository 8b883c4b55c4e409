#include "sim/board_image.h"

#include <gtest/gtest.h>

namespace lumio::sim {
namespace {

TEST(BoardImage, EmptyProgramIsSixteenValidBytes)
{
    const Bytes image = programImageWithBody({});
    ASSERT_EQ(image.size(), 16u);
    EXPECT_EQ(image[5], 16);
    EXPECT_EQ(image[6], 0x05);
    EXPECT_EQ(image[9], 0x01);
    EXPECT_EQ(programImageFault(image), "");
}

TEST(BoardImage, EveryHeaderFieldIsChecked)
{
    const Bytes body{0x00, 0x00, 0x00, 0x09, 0x00, 0x00, 0x41, 0x42, 0x43};
    const Bytes good = programImageWithBody(body);
    ASSERT_EQ(programImageFault(good), "");
    // Changing a byte anywhere is caught; which check names it depends on where it is.
    for (std::size_t offset = 0; offset < good.size(); ++offset) {
        Bytes bad = good;
        bad[offset] ^= 0x10;
        EXPECT_NE(programImageFault(bad), "") << "offset " << offset;
    }
    EXPECT_NE(programImageFault(Bytes(good.begin(), good.end() - 1)), "");
}

}  // namespace
}  // namespace lumio::sim
