// The 16-bit side's driver object: loading Velkot2 connects the thunk and
// unloading disconnects it; its records and buffers live in 16:16 memory.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <filesystem>

#include "host/default_settings.h"
#include "host/driver.h"
#include "host/velkot1.h"
#include "platform/kernel/kernel.h"
#include "platform/thunk/thunk.h"

namespace velko::host {
namespace {

TEST(DriverTest, LoadingConnectsAndUnloadingDisconnects) {
  for (int round = 0; round < 2; ++round) {
    {
      auto driver = Driver::Load();
      EXPECT_NE(platform::LinkedThunkData32(Velkot1Data().Header), nullptr) << round;
      EXPECT_NE(GetModuleHandleA("Velkot2.dll"), 0u);
      EXPECT_NE(GetModuleHandleA("VelkoUI.dll"), 0u);
      EXPECT_EQ(driver->PageCall(1004, 0x10, 0x0110, 0, 0, 0), 1);
    }
    EXPECT_EQ(Velkot1Data().Header.Link, 0u) << round;
    EXPECT_EQ(GetModuleHandleA("Velkot2.dll"), 0u) << round;
    EXPECT_EQ(GetModuleHandleA("VelkoUI.dll"), 0u) << round;
  }
}

TEST(DriverTest, RecordsStartAsTheDefaultsAndLiveInFarMemory) {
  auto driver = Driver::Load();
  const SettingsRecord defaults = DefaultSettingsRecord();
  EXPECT_EQ(std::memcmp(&driver->Current(), &defaults, sizeof defaults), 0);
  EXPECT_EQ(std::memcmp(&driver->Defaults(), &defaults, sizeof defaults), 0);
  EXPECT_EQ(platform::MapSL(driver->CurrentFar()), &driver->Current());
  EXPECT_EQ(platform::MapSL(driver->DefaultsFar()), &driver->Defaults());
}

TEST(DriverTest, FarBlocksAreZeroedAndReachable) {
  auto driver = Driver::Load();
  const FarBlock block = driver->AllocFar(300);
  ASSERT_EQ(block.bytes.size(), 300u);
  EXPECT_TRUE(std::ranges::all_of(block.bytes, [](uint8_t b) { return b == 0; }));
  EXPECT_EQ(platform::MapSL(block.far), block.bytes.data());
  EXPECT_EQ(platform::MapSL(block.far + 299), block.bytes.data() + 299);
  EXPECT_EQ(platform::MapSL(block.far + 300), nullptr);
  EXPECT_THROW(driver->AllocFar(0), DriverError);
  EXPECT_THROW(driver->AllocFar(platform::kSegmentBytes + 1), DriverError);
}

TEST(DriverTest, Velkot2IsLookedForBesideThePlatformLibraryFirst) {
  const auto candidates = Velkot2Candidates();
  ASSERT_GE(candidates.size(), 2u);
  EXPECT_TRUE(std::filesystem::exists(candidates.front())) << candidates.front();
  EXPECT_EQ(std::filesystem::path(candidates.front()).filename(), "libVelkot2.so");
  EXPECT_EQ(candidates.back(), "libVelkot2.so");  // the loader's own search last
}

}  // namespace
}  // namespace velko::host
