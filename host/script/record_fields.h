// Every field of the settings record by the name the record's layout gives
// it, for `expect field` and `dump record`: one constexpr table of offsets
// and types, checked at compile time to cover each of the record's 3,376
// bytes exactly once. Block members go by their own names (`Bright`,
// `TwoUpOrder`, `WatermarkOn`); the watermark list's entries by index
// (`WatermarkList[3].Name`).
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include <nlohmann/json.hpp>

#include "ui/core/settings_record.h"

namespace velko::script {

enum class FieldType : uint8_t { Int32, Double, Text };

// One row of the table. A list member (`list` not empty) repeats `count`
// times, `stride` bytes apart.
struct RecordField {
  std::string_view name;
  uint16_t offset;
  FieldType type;
  uint16_t size;
  std::string_view list = {};
  uint8_t count = 1;
  uint16_t stride = 0;
};

inline constexpr uint16_t kEntryStride = sizeof(WatermarkEntry);

inline constexpr auto kRecordFields = std::to_array<RecordField>({
    {"PaperSize", 0, FieldType::Int32, 4},
    {"CustomUnit", 4, FieldType::Int32, 4},
    {"CustomWidth", 8, FieldType::Double, 8},
    {"CustomHeight", 16, FieldType::Double, 8},
    {"OutputSize", 24, FieldType::Int32, 4},
    {"PaperTray", 28, FieldType::Int32, 4},
    {"MediaType", 32, FieldType::Int32, 4},
    {"Orientation", 36, FieldType::Int32, 4},
    {"PagesPerSheet", 40, FieldType::Int32, 4},
    {"Option1020", 44, FieldType::Int32, 4},
    {"PrintMode", 48, FieldType::Int32, 4},
    {"Copies", 52, FieldType::Int32, 4},
    {"MainTextOn", 56, FieldType::Int32, 4},
    {"MainText", 60, FieldType::Text, 12},
    // LayoutBlock
    {"LayoutField72", 72, FieldType::Int32, 4},
    {"LayoutField76", 76, FieldType::Int32, 4},
    {"LayoutField80", 80, FieldType::Int32, 4},
    {"TwoUpOrder", 84, FieldType::Int32, 4},
    {"FourUpOrder", 88, FieldType::Int32, 4},
    {"PrintBorder", 92, FieldType::Int32, 4},
    {"BorderShape", 96, FieldType::Int32, 4},
    {"ColorMode", 100, FieldType::Int32, 4},
    {"ChosenEntryName", 104, FieldType::Text, 20},
    {"ColorDescription", 124, FieldType::Int32, 4},
    {"ColorOption", 128, FieldType::Int32, 4},
    {"ColorOptionChoice", 132, FieldType::Int32, 4},
    {"ColorOptionLevel", 136, FieldType::Int32, 4},
    {"BlackGeneration", 140, FieldType::Int32, 4},
    // ColorAdjustBlock
    {"Sample", 144, FieldType::Int32, 4},
    {"BaseColor", 148, FieldType::Int32, 4},
    {"Bright", 152, FieldType::Int32, 4},
    {"Fullness", 156, FieldType::Int32, 4},
    {"Contrast", 160, FieldType::Int32, 4},
    {"CyanRed", 164, FieldType::Int32, 4},
    {"MagentaGreen", 168, FieldType::Int32, 4},
    {"YellowBlue", 172, FieldType::Int32, 4},
    // DensityBlock
    {"Gannma", 176, FieldType::Int32, 4},
    {"Black", 180, FieldType::Int32, 4},
    {"Cyan", 184, FieldType::Int32, 4},
    {"Magenta", 188, FieldType::Int32, 4},
    {"Yellow", 192, FieldType::Int32, 4},
    {"TrayOption", 196, FieldType::Int32, 4},
    {"TrayOptionChoice", 200, FieldType::Int32, 4},
    {"TrayOptionTray", 204, FieldType::Int32, 4},
    {"OptionTextOn", 208, FieldType::Int32, 4},
    {"OptionText", 212, FieldType::Text, 20},
    {"Smoothing", 232, FieldType::Int32, 4},
    {"TonerSave", 236, FieldType::Int32, 4},
    {"Option1080", 240, FieldType::Int32, 4},
    {"Option1102", 244, FieldType::Int32, 4},
    {"Option1071", 248, FieldType::Int32, 4},
    {"Option1072Inverted", 252, FieldType::Int32, 4},
    {"Option1081", 256, FieldType::Int32, 4},
    {"Option1073", 260, FieldType::Int32, 4},
    {"Option1226Inverted", 264, FieldType::Int32, 4},
    // WatermarkBlock
    {"WatermarkOn", 268, FieldType::Int32, 4},
    {"WatermarkIndex", 272, FieldType::Int32, 4},
    {"WatermarkName", 276, FieldType::Text, 20},
    {"WatermarkFile", 296, FieldType::Text, 260},
    {"WatermarkPosition", 556, FieldType::Int32, 4},
    {"WatermarkColor", 560, FieldType::Int32, 4},
    {"WatermarkDensity", 564, FieldType::Int32, 4},
    {"WatermarkSize", 568, FieldType::Int32, 4},
    {"WatermarkOutline", 572, FieldType::Int32, 4},
    // WatermarkList: ten WatermarkEntry records
    {"Name", 576, FieldType::Text, 20, "WatermarkList", kWatermarkListEntries, kEntryStride},
    {"File", 596, FieldType::Text, 260, "WatermarkList", kWatermarkListEntries, kEntryStride},
});

// True when the rows, list entries expanded, cover [0, 3376) with no gap
// and no overlap, and every size fits its type.
constexpr bool CoversRecordOnce(const auto& fields) {
  std::array<uint8_t, sizeof(SettingsRecord)> uses{};
  for (const RecordField& f : fields) {
    if (f.type == FieldType::Int32 && f.size != 4) return false;
    if (f.type == FieldType::Double && f.size != 8) return false;
    if (f.count == 0 || (f.count > 1 && f.stride < f.size)) return false;
    for (int i = 0; i < f.count; ++i) {
      for (int b = 0; b < f.size; ++b) {
        const std::size_t at = f.offset + static_cast<std::size_t>(i) * f.stride + b;
        if (at >= uses.size()) return false;
        ++uses[at];
      }
    }
  }
  for (uint8_t n : uses) {
    if (n != 1) return false;
  }
  return true;
}
static_assert(CoversRecordOnce(kRecordFields));
static_assert(kRecordFields[0].offset == offsetof(SettingsRecord, PaperSize));
static_assert(kRecordFields[14].offset == offsetof(SettingsRecord, Layout));
static_assert(kRecordFields[28].offset == offsetof(SettingsRecord, ColorAdjust));
static_assert(kRecordFields[36].offset == offsetof(SettingsRecord, Density));
static_assert(kRecordFields[55].offset == offsetof(SettingsRecord, Watermark));
static_assert(kRecordFields[64].offset == offsetof(SettingsRecord, WatermarkList));
static_assert(kRecordFields[65].offset == offsetof(SettingsRecord, WatermarkList) + offsetof(WatermarkEntry, File));

// One field of one record: a row and, for a list member, the entry.
struct FieldRef {
  const RecordField* field = nullptr;
  int index = 0;

  std::size_t Offset() const { return field->offset + static_cast<std::size_t>(index) * field->stride; }
  std::string Name() const;  // as the script writes it
};

// Texts are the field's bytes up to its first NUL (all of them without one).
using FieldValue = std::variant<int32_t, double, std::string>;

// The field of that name, or nothing.
std::optional<FieldRef> FindField(std::string_view name);

// The field's value in `record`.
FieldValue ReadField(const SettingsRecord& record, const FieldRef& ref);

// Stores `value` (of the field's type) into `record`; a text is cut to
// leave its NUL and the rest of the field is zeroed, as a stored record
// holds it.
void WriteField(SettingsRecord& record, const FieldRef& ref, const FieldValue& value);

// The value for people: numbers in decimal, texts quoted in UTF-8.
std::string DescribeValue(const FieldValue& value);

// Every field, in record order, with texts in UTF-8.
nlohmann::ordered_json RecordToJson(const SettingsRecord& record);

}  // namespace velko::script
