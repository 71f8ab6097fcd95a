// 16:16 memory: selectors, far pointers, MapSLFix and its release.
#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <vector>

#include "platform/thunk/thunk.h"

namespace {

using namespace velko::platform;

class SelectorTest : public ::testing::Test {
 protected:
  void SetUp() override {
    selector_ = AllocSelector(buffer_.data(), buffer_.size());
    ASSERT_NE(selector_, 0);
  }
  void TearDown() override { FreeSelector(selector_); }

  std::array<uint8_t, 100> buffer_{};
  WORD selector_ = 0;
};

TEST_F(SelectorTest, FarPointersInsideTheSegmentMapToTheBuffer) {
  EXPECT_EQ(MapSL(MakeFarPointer(selector_, 0)), buffer_.data());
  EXPECT_EQ(MapSL(MakeFarPointer(selector_, 99)), buffer_.data() + 99);
  EXPECT_EQ(SegmentBytesFrom(MakeFarPointer(selector_, 0)), 100u);
  EXPECT_EQ(SegmentBytesFrom(MakeFarPointer(selector_, 90)), 10u);
}

TEST_F(SelectorTest, FarPointersThatReachNothingMapToNull) {
  const DWORD nothing[] = {
      0,                                              // the null far pointer
      MakeFarPointer(selector_, 100),                 // one past the segment's end
      MakeFarPointer(selector_, 0xFFFF),
      MakeFarPointer(static_cast<WORD>(selector_ + 8), 0),  // a selector never handed out
      MakeFarPointer(static_cast<WORD>(selector_ & ~7), 0), // not a local-table selector
  };
  for (const DWORD far : nothing) {
    EXPECT_EQ(MapSLFix(far), nullptr) << std::hex << far;
    EXPECT_EQ(SegmentBytesFrom(far), 0u) << std::hex << far;
  }
  EXPECT_EQ(SelectorLockCount(selector_), 0u);
}

TEST_F(SelectorTest, MapSLFixLocksUntilUnMapSLFixArrayReleases) {
  const DWORD far = MakeFarPointer(selector_, 4);
  ASSERT_EQ(MapSLFix(far), buffer_.data() + 4);
  ASSERT_EQ(MapSLFix(MakeFarPointer(selector_, 8)), buffer_.data() + 8);
  EXPECT_EQ(SelectorLockCount(selector_), 2u);

  // Zero and foreign far pointers in the array are skipped.
  const DWORD release[] = {far, 0, 0x12345678, far};
  UnMapSLFixArray(4, release);
  EXPECT_EQ(SelectorLockCount(selector_), 0u);
  UnMapSLFixArray(1, release);  // releasing again does not go below zero
  EXPECT_EQ(SelectorLockCount(selector_), 0u);
}

TEST_F(SelectorTest, AFreedSelectorReachesNothing) {
  const DWORD far = MakeFarPointer(selector_, 0);
  ASSERT_TRUE(FreeSelector(selector_));
  EXPECT_EQ(MapSLFix(far), nullptr);
  EXPECT_FALSE(FreeSelector(selector_));
  selector_ = AllocSelector(buffer_.data(), buffer_.size());  // for TearDown
}

TEST(SelectorAllocTest, SizesOutsideOneSegmentAreRefused) {
  std::vector<uint8_t> big(kSegmentBytes + 1);
  EXPECT_EQ(AllocSelector(big.data(), 0), 0);
  EXPECT_EQ(AllocSelector(big.data(), kSegmentBytes + 1), 0);
  EXPECT_EQ(AllocSelector(nullptr, 16), 0);
  const WORD whole = AllocSelector(big.data(), kSegmentBytes);
  ASSERT_NE(whole, 0);
  EXPECT_EQ(MapSL(MakeFarPointer(whole, 0xFFFF)), big.data() + 0xFFFF);
  FreeSelector(whole);
}

TEST(SelectorAllocTest, SelectorsRunOutAndComeBack) {
  uint8_t byte = 0;
  std::vector<WORD> taken;
  for (WORD s; (s = AllocSelector(&byte, 1)) != 0;) taken.push_back(s);
  EXPECT_GT(taken.size(), 8000u);
  EXPECT_EQ(AllocSelector(&byte, 1), 0);  // none left
  ASSERT_TRUE(FreeSelector(taken.back()));
  EXPECT_NE(AllocSelector(&byte, 1), 0);  // a freed one is taken again
  for (const WORD s : taken) FreeSelector(s);
}

}  // namespace
