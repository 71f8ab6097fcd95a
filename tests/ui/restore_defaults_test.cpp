// Restore-all-defaults: every byte before the watermark list from the
// default record, the watermark list as it was.
#include <gtest/gtest.h>

#include <cstddef>
#include <cstring>
#include <vector>

#include "ui/core/page_variables.h"
#include "ui/core/restore_defaults.h"

namespace {

using velko::SettingsRecord;

constexpr std::size_t kListOffset = offsetof(SettingsRecord, WatermarkList);

// A record whose bytes all differ from another record's and from zero.
SettingsRecord Patterned(uint8_t seed) {
  SettingsRecord record;
  auto* bytes = reinterpret_cast<uint8_t*>(&record);
  for (std::size_t i = 0; i < sizeof record; ++i) bytes[i] = static_cast<uint8_t>(seed + i * 7);
  return record;
}

std::vector<uint8_t> Bytes(const SettingsRecord& record, std::size_t from, std::size_t to) {
  const auto* bytes = reinterpret_cast<const uint8_t*>(&record);
  return {bytes + from, bytes + to};
}

TEST(RestoreAllDefaultsTest, TakesTheDefaultsAndKeepsTheWatermarkList) {
  SettingsRecord current = Patterned(1);
  const SettingsRecord defaults = Patterned(100);
  const SettingsRecord before = current;

  velko::ui::RestoreAllDefaults(current, defaults);

  // The watermark block (268..575) is restored with the rest.
  EXPECT_EQ(Bytes(current, 0, kListOffset), Bytes(defaults, 0, kListOffset));
  EXPECT_EQ(Bytes(current, kListOffset, sizeof current),
            Bytes(before, kListOffset, sizeof current));
}

TEST(RestoreAllDefaultsTest, WorksOnTheRecordsOfTheLastPageCall) {
  SettingsRecord current = Patterned(3);
  SettingsRecord defaults = Patterned(50);
  const SettingsRecord before = current;
  velko::ui::CurrentSettings = &current;
  velko::ui::DefaultSettings = &defaults;

  velko::ui::RestoreAllDefaults();

  EXPECT_EQ(Bytes(current, 0, kListOffset), Bytes(defaults, 0, kListOffset));
  EXPECT_EQ(Bytes(current, kListOffset, sizeof current),
            Bytes(before, kListOffset, sizeof current));
  EXPECT_EQ(Bytes(defaults, 0, sizeof defaults), Bytes(Patterned(50), 0, sizeof defaults));

  // Before any page call there is nothing to restore.
  velko::ui::CurrentSettings = nullptr;
  velko::ui::DefaultSettings = nullptr;
  velko::ui::RestoreAllDefaults();
}

TEST(RestoreAllDefaultsTest, ARecordRestoredFromItselfStaysAsItIs) {
  SettingsRecord record = Patterned(9);
  velko::ui::RestoreAllDefaults(record, record);
  EXPECT_EQ(Bytes(record, 0, sizeof record), Bytes(Patterned(9), 0, sizeof record));
}

}  // namespace
