#include "BmpFile.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "BmpTestReader.h"

namespace tavrik::media {
namespace {

std::uint32_t Le32(const std::vector<std::uint8_t>& bytes, std::size_t at) {
    return bytes[at] | bytes[at + 1] << 8 | bytes[at + 2] << 16 |
           static_cast<std::uint32_t>(bytes[at + 3]) << 24;
}

TEST(BmpFile, HeadersDescribeAnUncompressedBottomUpPicture) {
    const std::vector<std::uint8_t> bytes = EncodeBmp24(Image(5, 3));
    ASSERT_GE(bytes.size(), 54u);
    EXPECT_EQ('B', bytes[0]);
    EXPECT_EQ('M', bytes[1]);
    // 5 pixels of 3 bytes make 15, padded to 16 per row.
    EXPECT_EQ(54u + 16u * 3u, Le32(bytes, 2));
    EXPECT_EQ(bytes.size(), Le32(bytes, 2));
    EXPECT_EQ(54u, Le32(bytes, 10));
    EXPECT_EQ(40u, Le32(bytes, 14));
    EXPECT_EQ(5u, Le32(bytes, 18));
    EXPECT_EQ(3u, Le32(bytes, 22));  // positive height: bottom-up
    EXPECT_EQ(1, bytes[26]);
    EXPECT_EQ(24, bytes[28]);
    EXPECT_EQ(0u, Le32(bytes, 30));
    EXPECT_EQ(16u * 3u, Le32(bytes, 34));
}

TEST(BmpFile, StoresTheBottomRowFirstInBlueGreenRedOrder) {
    Image image(2, 2);
    image.Set(0, 0, {10, 20, 30});  // top left
    image.Set(1, 1, {40, 50, 60});  // bottom right
    const std::vector<std::uint8_t> bytes = EncodeBmp24(image);
    // First stored row is the bottom one: (0,1) then (1,1), then two pad bytes.
    EXPECT_EQ(60, bytes[54 + 3]);
    EXPECT_EQ(50, bytes[54 + 4]);
    EXPECT_EQ(40, bytes[54 + 5]);
    EXPECT_EQ(0, bytes[54 + 6]);
    EXPECT_EQ(0, bytes[54 + 7]);
    EXPECT_EQ(30, bytes[54 + 8]);
    EXPECT_EQ(20, bytes[54 + 9]);
    EXPECT_EQ(10, bytes[54 + 10]);
}

TEST(BmpFile, WrittenFileReadsBackPixelForPixel) {
    Image image(7, 4);
    for (int y = 0; y < 4; ++y) {
        for (int x = 0; x < 7; ++x) {
            image.Set(x, y, {std::uint8_t(x * 30), std::uint8_t(y * 60), std::uint8_t(x + y)});
        }
    }
    const std::string path = ::testing::TempDir() + "/tavrik_media_roundtrip.bmp";
    ASSERT_TRUE(WriteBmp24(path, image));
    const test::ReadResult read = test::ReadBmp24(path);
    std::remove(path.c_str());
    ASSERT_TRUE(read.ok) << read.error;
    ASSERT_EQ(7, read.image.Width());
    ASSERT_EQ(4, read.image.Height());
    for (int y = 0; y < 4; ++y) {
        for (int x = 0; x < 7; ++x) EXPECT_EQ(image.At(x, y), read.image.At(x, y)) << x << "," << y;
    }
}

TEST(BmpFile, ReportsAFileThatCannotBeWritten) {
    EXPECT_FALSE(WriteBmp24(::testing::TempDir() + "/no/such/folder/x.bmp", Image(1, 1)));
}

}  // namespace
}  // namespace tavrik::media
