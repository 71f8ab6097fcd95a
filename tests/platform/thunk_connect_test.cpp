// Connecting two thunk halves laid out from one script, and calling entries
// by position from the 16-bit side.
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "platform/kernel/kernel.h"
#include "platform/thunk/thunk.h"

namespace {

using namespace velko::platform;

// Two entries: one without a result, one whose 16-bit BOOL comes from the
// 32-bit value it is given.
constexpr ThunkScript<2> kScript{
    "TT_ThunkData16",
    0x1234,
    {{
        {"Record", 8, 0, ThunkResult::None},
        {"Echo", 4, 0, ThunkResult::Bool16},
    }},
};

std::vector<DWORD> recorded;
int calls = 0;

DWORD Record(const DWORD* arguments) {
  ++calls;
  recorded.assign(arguments, arguments + 2);
  return 0xDEADBEEF;  // an entry without a result gives the caller nothing
}

DWORD Echo(const DWORD* arguments) {
  ++calls;
  return arguments[0];
}

const auto kData32 = MakeThunkData32(kScript, {Record, Echo});

constexpr const char* kDll16 = "ThunkTest16.dll";
constexpr const char* kDll32 = "ThunkTest32.dll";

class ThunkTest : public ::testing::Test {
 protected:
  void SetUp() override {
    data16_ = MakeThunkData16(kScript);
    calls = 0;
    recorded.clear();
  }
  void TearDown() override { Detach(); }

  BOOL Attach() {
    return ThunkConnect32(&kData32, "TT_ThunkData16", kDll16, kDll32, 0x100, DLL_PROCESS_ATTACH);
  }
  void Detach() {
    ThunkConnect32(&kData32, "TT_ThunkData16", kDll16, kDll32, 0x100, DLL_PROCESS_DETACH);
  }

  ThunkData16<2> data16_{};
  ModuleRegistration module16_{kDll16, {{"TT_ThunkData16", &data16_}}};
};

TEST_F(ThunkTest, AttachLinksTheHalvesAndDetachUnlinksThem) {
  ASSERT_EQ(Attach(), TRUE) << LastThunkConnectFailure();
  EXPECT_NE(data16_.Header.Link, 0u);
  EXPECT_EQ(LinkedThunkData32(data16_.Header), &kData32.Header);
  EXPECT_TRUE(LastThunkConnectFailure().empty());

  Detach();
  EXPECT_EQ(data16_.Header.Link, 0u);
  EXPECT_EQ(LinkedThunkData32(data16_.Header), nullptr);
  const DWORD argument[] = {1};
  EXPECT_FALSE(CallThunk16(data16_.Header, 1, argument).has_value());
  EXPECT_EQ(calls, 0);
}

TEST_F(ThunkTest, ThreadReasonsChangeNothing) {
  for (const DWORD reason : {DLL_THREAD_ATTACH, DLL_THREAD_DETACH}) {
    EXPECT_EQ(ThunkConnect32(&kData32, "TT_ThunkData16", kDll16, kDll32, 0x100, reason), TRUE);
    EXPECT_EQ(data16_.Header.Link, 0u);
  }
}

TEST_F(ThunkTest, EntriesAreCalledByPositionWithTheirArguments) {
  ASSERT_EQ(Attach(), TRUE);
  const DWORD arguments[] = {0x00270000, 0x00370010};
  EXPECT_EQ(CallThunk16(data16_.Header, 0, arguments), 0u);
  EXPECT_EQ(recorded, (std::vector<DWORD>{0x00270000, 0x00370010}));
}

TEST_F(ThunkTest, ABool16IsNonzeroExactlyWhenThe32BitResultIs) {
  ASSERT_EQ(Attach(), TRUE);
  struct Case {
    DWORD result32;
    DWORD seen16;
  } const cases[] = {
      {0, FALSE},
      {1, TRUE},
      {0x00010000, TRUE},  // cut to its low word it would read as FALSE
      {0xFFFF0000, TRUE},
      {0xFFFFFFFF, TRUE},
  };
  for (const auto& c : cases) {
    const DWORD argument[] = {c.result32};
    const auto seen = CallThunk16(data16_.Header, 1, argument);
    ASSERT_TRUE(seen.has_value());
    EXPECT_EQ(*seen & 0xFFFF, c.seen16) << std::hex << c.result32;
  }
}

TEST_F(ThunkTest, CallsThatDoNotFitTheScriptReachNothing) {
  ASSERT_EQ(Attach(), TRUE);
  const DWORD one[] = {1};
  const DWORD three[] = {1, 2, 3};
  EXPECT_FALSE(CallThunk16(data16_.Header, 2, one).has_value());    // no entry 2
  EXPECT_FALSE(CallThunk16(data16_.Header, 0, one).has_value());    // entry 0 takes 8 bytes
  EXPECT_FALSE(CallThunk16(data16_.Header, 1, three).has_value());  // entry 1 takes 4 bytes
  EXPECT_EQ(calls, 0);

  // Data that was never connected, though its link word says otherwise.
  auto stranger = MakeThunkData16(kScript);
  stranger.Header.Link = data16_.Header.Link;
  EXPECT_FALSE(CallThunk16(stranger.Header, 1, one).has_value());
  EXPECT_EQ(calls, 0);
}

TEST_F(ThunkTest, HalvesFromDifferentScriptsDoNotConnect) {
  struct Case {
    const char* what;
    void (*spoil)(ThunkData16<2>&);
  } const cases[] = {
      {"checksum", [](ThunkData16<2>& d) { d.Header.Checksum ^= 1; }},
      {"entry count", [](ThunkData16<2>& d) { d.Header.EntryCount = 3; }},
      {"protocol tag", [](ThunkData16<2>& d) { d.Header.Protocol[3] = '2'; }},
      {"library tag", [](ThunkData16<2>& d) { d.Header.Library[0] = 'X'; }},
  };
  for (const auto& c : cases) {
    data16_ = MakeThunkData16(kScript);
    c.spoil(data16_);
    EXPECT_EQ(Attach(), FALSE) << c.what;
    EXPECT_EQ(data16_.Header.Link, 0u) << c.what;
    EXPECT_FALSE(LastThunkConnectFailure().empty()) << c.what;
  }
}

TEST_F(ThunkTest, AMissingHalfOrNameDoesNotConnect) {
  EXPECT_EQ(ThunkConnect32(&kData32, "TT_ThunkData16", "NoSuch16.dll", kDll32, 0x100,
                           DLL_PROCESS_ATTACH),
            FALSE);
  EXPECT_NE(LastThunkConnectFailure().find("NoSuch16.dll"), std::string::npos);
  // The 16-bit library does not export the name asked for.
  EXPECT_EQ(ThunkConnect32(&kData32, "QZ_Other16", kDll16, kDll32, 0x100, DLL_PROCESS_ATTACH),
            FALSE);
  // Bytes that are no thunk data.
  const char garbage[64] = "not a thunk";
  EXPECT_EQ(ThunkConnect32(garbage, "TT_ThunkData16", kDll16, kDll32, 0x100, DLL_PROCESS_ATTACH),
            FALSE);
  EXPECT_EQ(data16_.Header.Link, 0u);
}

TEST_F(ThunkTest, The32BitDataMustNameThe16BitData) {
  ModuleRegistration other(kDll16, {{"QZ_Other16", &data16_}});
  EXPECT_EQ(ThunkConnect32(&kData32, "QZ_Other16", kDll16, kDll32, 0x100, DLL_PROCESS_ATTACH),
            FALSE);
  EXPECT_NE(LastThunkConnectFailure().find("TT_ThunkData16"), std::string::npos);
}

TEST(ThunkSwitchTest, PrologAndEpilogNest) {
  EXPECT_EQ(ThunkedCallDepth(), 0);
  K32Thk1632Prolog();
  K32Thk1632Prolog();
  EXPECT_EQ(ThunkedCallDepth(), 2);
  K32Thk1632Epilog();
  K32Thk1632Epilog();
  EXPECT_EQ(ThunkedCallDepth(), 0);
  K32Thk1632Epilog();  // an unmatched epilog does not go below the 16-bit side
  EXPECT_EQ(ThunkedCallDepth(), 0);
}

TEST(ThunkLayoutTest, TheEntryTableLiesJustBeforeTheDataName) {
  const auto data = MakeThunkData32(kScript, {Record, Echo});
  const auto* bytes = reinterpret_cast<const uint8_t*>(&data);
  EXPECT_EQ(std::memcmp(bytes, "SL01", 4), 0);
  EXPECT_EQ(std::memcmp(bytes + 16, "LB01", 4), 0);
  int32_t offset;
  std::memcpy(&offset, bytes + 32, 4);
  EXPECT_EQ(offset, -8);
  EXPECT_STREQ(reinterpret_cast<const char*>(bytes + 44), "TT_ThunkData16");
  DWORD entries[2];
  std::memcpy(entries, bytes + 44 + offset, sizeof entries);
  EXPECT_EQ(entries[0], 0u);
  EXPECT_EQ(entries[1], 1u);
}

}  // namespace
