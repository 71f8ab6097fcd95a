// The block coders' integer shortcuts against the plain arithmetic they
// replace: means by reciprocal multiplication, pixel counts by table.
#include <gtest/gtest.h>

#include "render/block_analysis.h"

namespace velko::sb {
namespace {

// Every sum a mean can have (up to 64 pixels of 255) by every pixel count.
TEST(RenderArithmetic, ReciprocalDivisionIsExactForEveryMean) {
  for (int count = 1; count <= 64; ++count) {
    for (uint32_t sum = 0; sum <= uint32_t(count) * 255; ++sum) {
      ASSERT_EQ(DivideByCount(sum, count), sum / uint32_t(count)) << sum << " / " << count;
    }
  }
}

TEST(RenderArithmetic, CountsAndBitsOfMasks) {
  Block<8> block;
  for (int i = 0; i < 4; ++i) {
    block.ch[0].v[i] = _mm_setr_epi8(0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, char(200));
  }
  const Mask<8> below = block.ch[0].Below(5);  // pixels 0..4 of each row pair
  EXPECT_EQ(below.Count(), 20);
  EXPECT_EQ(below.Bits(), 0x001F001F001F001Full);
  EXPECT_EQ(block.ch[0].Below(256).Count(), 64);
  EXPECT_EQ(block.ch[0].Below(0).Count(), 0);
  EXPECT_EQ(block.ch[0].Below(201).Count(), 64) << "compares are unsigned";
  EXPECT_EQ(block.ch[0].Below(200).Count(), 60);
}

}  // namespace
}  // namespace velko::sb
