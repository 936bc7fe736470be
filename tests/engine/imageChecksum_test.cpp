#include <gtest/gtest.h>

#include "link/engine/panelImage.h"

TEST(ImageChecksum, StepAddsTheByteAndRotatesSixteenBits)
{
    EXPECT_EQ(ImageChecksumStep(0, 1), 2);
    EXPECT_EQ(ImageChecksumStep(2, 2), 8);
    EXPECT_EQ(ImageChecksumStep(0x8000, 0), 1);
    EXPECT_EQ(ImageChecksumStep(0xFFFF, 1), 0);
    EXPECT_EQ(ImageChecksumStep(0xFFFF, 0), 0xFFFF);
    EXPECT_EQ(ImageChecksumStep(0, 0x101), 2);  // only the byte the wire carries
}

TEST(ImageChecksum, KnownImages)
{
    PanelImageArray image{};
    EXPECT_EQ(ImageChecksum(image), 0);

    // A byte at address a ends up rotated by (40960 - a) Mod 16 places.
    image[0] = 1;
    EXPECT_EQ(ImageChecksum(image), 1);
    image[0] = 0;
    image[1] = 1;
    EXPECT_EQ(ImageChecksum(image), 0x8000);
    image[1] = 0;
    image[0x9FFF] = 1;
    EXPECT_EQ(ImageChecksum(image), 2);
    image[0x9FFF] = 0;

    image[0] = 1;
    image[1] = 2;
    EXPECT_EQ(ImageChecksum(image), 2);
    image[0] = image[1] = 0;

    // Two 0xFF bytes that land on the high byte: the carry comes round into bit 0.
    image[8] = 0xFF;
    image[24] = 0xFF;
    EXPECT_EQ(ImageChecksum(image), 0xFE01);
    image.fill(0);

    // A one at the start of each block: 64 rotations bring it back in place.
    for (int block = 0; block < kImageBlockCount; ++block) image[static_cast<std::size_t>(block * 64)] = 1;
    EXPECT_EQ(ImageChecksum(image), 640);
}
