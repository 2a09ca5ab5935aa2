// The waiting pictures are drawn by every build rather than committed, so
// the drawing must give the same bytes each time.
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "BmpFile.h"
#include "WaitPictures.h"

namespace tavrik::media {
namespace {

TEST(WaitPictures, AreDeterministicAndTellTheirStepApart) {
    std::vector<std::vector<std::uint8_t>> drawn;
    for (int step = 1; step <= kWaitPictureCount; ++step) {
        const Image picture = MakeWaitPicture(step);
        EXPECT_EQ(kWaitWidth, picture.Width());
        EXPECT_EQ(kWaitHeight, picture.Height());
        drawn.push_back(EncodeBmp24(picture));
    }
    EXPECT_EQ(drawn[1], EncodeBmp24(MakeWaitPicture(2)));
    EXPECT_NE(drawn[0], drawn[1]);
    EXPECT_NE(drawn[1], drawn[2]);
    EXPECT_NE(drawn[0], drawn[2]);
}

}  // namespace
}  // namespace tavrik::media
