#include <gtest/gtest.h>

#include "link/engine/panelImage.h"

TEST(ImageChecksum, StepAddsTheByteAndRotatesSixteenBits)
{
    EXPECT_EQ(ImageChecksumStep(2, 2), 8);
    EXPECT_EQ(ImageChecksumStep(0x8000, 0), 1);
    EXPECT_EQ(ImageChecksumStep(0xFFFF, 1), 0);
    EXPECT_EQ(ImageChecksumStep(0, 0x101), 2);  // only the byte the wire carries
}

TEST(ImageChecksum, KnownImages)
{
    PanelImageArray image{};
    EXPECT_EQ(ImageChecksum(image), 0);

    // A byte at address a ends up rotated by (40960 - a) Mod 16 places.
    for (auto [address, sum] : {std::pair{0, 1}, {1, 0x8000}, {0x9FFF, 2}}) {
        image[static_cast<std::size_t>(address)] = 1;
        EXPECT_EQ(ImageChecksum(image), sum) << address;
        image[static_cast<std::size_t>(address)] = 0;
    }
    image[0] = 1;
    image[1] = 2;
    EXPECT_EQ(ImageChecksum(image), 2);
    image.fill(0);

    // Two 0xFF bytes that land on the high byte: the carry comes round into bit 0.
    image[8] = image[24] = 0xFF;
    EXPECT_EQ(ImageChecksum(image), 0xFE01);
    image.fill(0);

    // A one at the start of each block: 64 rotations bring it back in place.
    for (std::size_t block = 0; block < kImageBlockCount; ++block) image[block * 64] = 1;
    EXPECT_EQ(ImageChecksum(image), 640);
}
