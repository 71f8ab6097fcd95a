// The thunk data of both halves as they sit in memory once Velkot2 is
// loaded and connected.
#include <gtest/gtest.h>

#include <cstring>
#include <span>
#include <vector>

#include "host/velkot1.h"
#include "platform/thunk/thunk.h"
#include "tests/bridge/bridge_fixture.h"

namespace velko::testing {
namespace {

struct BytesAt {
  const char* what;
  std::size_t offset;
  std::vector<uint8_t> bytes;
};

std::vector<uint8_t> Text(const char* text, bool withNul = false) {
  return {text, text + std::strlen(text) + (withNul ? 1 : 0)};
}

void ExpectBytes(const void* data, std::span<const BytesAt> fields) {
  const auto* base = static_cast<const uint8_t*>(data);
  for (const auto& field : fields) {
    const std::vector<uint8_t> actual(base + field.offset,
                                      base + field.offset + field.bytes.size());
    EXPECT_EQ(actual, field.bytes) << field.what << " at " << field.offset;
  }
}

using ThunkDataTest = BridgeTest;

TEST_F(ThunkDataTest, Velkot2sDataIsLaidOutAsListed) {
  const platform::ThunkHeader32* data32 = platform::LinkedThunkData32(host::Velkot1Data().Header);
  ASSERT_NE(data32, nullptr) << platform::LastThunkConnectFailure();
  const BytesAt fields[] = {
      {"protocol tag", 0, Text("SL01")},
      {"checksum 0x000008D3", 4, {0xD3, 0x08, 0x00, 0x00}},
      {"two zero words", 8, std::vector<uint8_t>(8, 0)},
      {"library tag", 16, Text("LB01")},
      {"three zero words", 20, std::vector<uint8_t>(12, 0)},
      {"offset -8 from the name to the entry table", 32, {0xF8, 0xFF, 0xFF, 0xFF}},
      {"entry table: entry 0, entry 1", 36, {0, 0, 0, 0, 1, 0, 0, 0}},
      {"data name right after the table", 44, Text("QZ_ThunkData16", true)},
  };
  ExpectBytes(data32, fields);
}

TEST_F(ThunkDataTest, Velkot1sDataComesFromTheSameScript) {
  const host::Velkot1ThunkData& data16 = host::Velkot1Data();
  EXPECT_NE(data16.Header.Link, 0u);
  const BytesAt fields[] = {
      {"protocol tag", 0, Text("SL01")},
      {"checksum", 4, {0xD3, 0x08, 0x00, 0x00}},
      {"library tag", 8, Text("LB01")},
      {"entry count", 16, {2, 0}},
      {"reserved", 18, {0, 0}},
      // argument bytes, far pointers mapped, result kind
      {"entry 0: 8 bytes, 2 far pointers, no result", 20, {8, 0, 2, 0}},
      {"entry 1: 12 bytes, 4 far pointers, BOOL16", 24, {12, 0, 4, 1}},
  };
  ExpectBytes(&data16, fields);
  EXPECT_EQ(sizeof(host::Velkot1ThunkData), 28u);
}

}  // namespace
}  // namespace velko::testing
