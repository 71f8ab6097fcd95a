// Color tables through thunk entry 0: the block and the table cross in
// 16:16 memory and the table is the one MakeRdt builds.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "platform/thunk/thunk.h"
#include "tests/bridge/bridge_fixture.h"

namespace velko::testing {
namespace {

class ColorTableTest : public BridgeTest {
 protected:
  // MakeRdt called straight in VelkoUI, without the thunk.
  static std::vector<uint8_t> Direct(const ColorAdjustBlock& block) {
    void* ui = dlopen("libVelkoUI.so", RTLD_NOW | RTLD_NOLOAD);
    auto makeRdt = reinterpret_cast<int32_t (*)(const ColorAdjustBlock*, uint8_t*)>(
        dlsym(ui, "MakeRdt"));
    std::vector<uint8_t> table(host::kColorTableBytes);
    if (makeRdt) makeRdt(&block, table.data());
    dlclose(ui);
    return table;
  }
};

TEST_F(ColorTableTest, TheThunkDeliversMakeRdtsTable) {
  const ColorAdjustBlock blocks[] = {
      {0, 1, 0, 0, 0, 0, 0, 0},     // normal base, no adjustment
      {0, 3, 4, -3, 2, 5, -5, 1},   // photo base, every slider moved
      {2, 2, -10, 10, -10, 10, -10, 10},
  };
  std::vector<std::vector<uint8_t>> tables;
  for (const auto& block : blocks) {
    const auto table = driver().MakeColorTable(block);
    const std::vector<uint8_t> thunked(table.begin(), table.end());
    EXPECT_EQ(thunked, Direct(block));
    tables.push_back(thunked);
  }
  // Different blocks make different tables, so the block did cross.
  EXPECT_NE(tables[0], tables[1]);
  EXPECT_NE(tables[1], tables[2]);
}

TEST_F(ColorTableTest, ATableBufferTooSmallIsLeftUntouched) {
  host::FarBlock block = driver().AllocFar(sizeof(ColorAdjustBlock));
  host::FarBlock small = driver().AllocFar(host::kColorTableBytes - 1);
  const DWORD arguments[] = {block.far, small.far};
  EXPECT_EQ(driver().CallEntry(0, arguments), 0u);
  EXPECT_TRUE(std::ranges::all_of(small.bytes, [](uint8_t b) { return b == 0; }));
  EXPECT_EQ(platform::SelectorLockCount(platform::SelectorOf(small.far)), 0u);
  EXPECT_EQ(platform::SelectorLockCount(platform::SelectorOf(block.far)), 0u);
}

TEST_F(ColorTableTest, FarPointersThatReachNothingBuildNothing) {
  host::FarBlock table = driver().AllocFar(host::kColorTableBytes);
  const DWORD arguments[] = {0x7FF70000, table.far};
  EXPECT_EQ(driver().CallEntry(0, arguments), 0u);
  EXPECT_TRUE(std::ranges::all_of(table.bytes, [](uint8_t b) { return b == 0; }));
}

}  // namespace
}  // namespace velko::testing
