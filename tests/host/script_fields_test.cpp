// The field table behind `expect field` and `dump record`: it covers the
// record byte for byte, finds every field by its layout name, and reads the
// same values as the record's own members.
#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <set>
#include <string>

#include "host/script/record_fields.h"

namespace velko::script {
namespace {

std::vector<FieldRef> AllFields() {
  std::vector<FieldRef> refs;
  for (const RecordField& f : kRecordFields) {
    for (int i = 0; i < f.count; ++i) refs.push_back(FieldRef{&f, i});
  }
  return refs;
}

TEST(ScriptFields, CoverEveryByteOfTheRecordExactlyOnce) {
  std::array<int, sizeof(SettingsRecord)> uses{};
  for (const FieldRef& ref : AllFields()) {
    for (std::size_t b = 0; b < ref.field->size; ++b) {
      ASSERT_LT(ref.Offset() + b, uses.size()) << ref.Name();
      ++uses[ref.Offset() + b];
    }
  }
  for (std::size_t at = 0; at < uses.size(); ++at) EXPECT_EQ(uses[at], 1) << "byte " << at;
}

TEST(ScriptFields, TheCoverageCheckRejectsGapsAndOverlaps) {
  auto overlap = kRecordFields;
  overlap[1].offset = 2;  // CustomUnit over PaperSize's last bytes, leaving a gap at 4..5
  EXPECT_FALSE(CoversRecordOnce(overlap));
  auto short_list = kRecordFields;
  short_list.back().count = 9;  // the tenth watermark entry's path uncovered
  EXPECT_FALSE(CoversRecordOnce(short_list));
  auto wrong_size = kRecordFields;
  wrong_size[2].size = 4;  // a double of 4 bytes
  EXPECT_FALSE(CoversRecordOnce(wrong_size));
}

TEST(ScriptFields, EveryFieldIsFoundByTheNameItIsShownWith) {
  std::set<std::string> names;
  for (const FieldRef& ref : AllFields()) {
    const std::string name = ref.Name();
    EXPECT_TRUE(names.insert(name).second) << "two fields named " << name;
    const std::optional<FieldRef> found = FindField(name);
    ASSERT_TRUE(found) << name;
    EXPECT_EQ(found->Offset(), ref.Offset()) << name;
  }
  EXPECT_EQ(names.size(), 84u);  // 64 fields and 10 entries of two
  for (const char* unknown : {"", "paperSize", "PaperSize ", "Layout", "LayoutBlock", "WatermarkList",
                              "WatermarkList[].Name", "WatermarkList[-1].Name", "WatermarkList[10].File",
                              "WatermarkList[3].name", "WatermarkList[3]Name", "WatermarkList3].Name",
                              "Other[3].Name", "WatermarkList[1000].Name"}) {
    EXPECT_FALSE(FindField(unknown)) << unknown;
  }
}

SettingsRecord DistinctRecord() {
  SettingsRecord r{};
  r.PaperSize = 258;
  r.CustomUnit = 1;
  r.CustomWidth = 8.5;
  r.CustomHeight = 11.69;
  r.Copies = 999;
  std::memcpy(r.MainText, "AB!z", 5);
  r.Layout.LayoutField72 = -72;
  r.Layout.BorderShape = 1;
  r.ColorMode = 6;
  std::memcpy(r.ChosenEntryName, "\xB5\xB1\xC7\xB0", 5);
  r.BlackGeneration = 1;
  r.ColorAdjust.Sample = 3;
  r.ColorAdjust.YellowBlue = -10;
  r.Density.Gannma = 1;
  r.Density.Yellow = 7;
  r.TrayOption = 11;
  std::memset(r.OptionText, 'x', sizeof r.OptionText);  // no NUL: the whole field is the text
  r.Option1226Inverted = -1;
  r.Watermark.WatermarkOn = 1;
  std::memcpy(r.Watermark.WatermarkFile, "C:\\wm.bmp", 10);
  r.Watermark.WatermarkOutline = 5;
  std::memcpy(r.WatermarkList[0].Name, "first", 6);
  std::memcpy(r.WatermarkList[9].File, "C:\\last.bmp", 12);
  return r;
}

TEST(ScriptFields, ValuesReadThroughTheTableMatchTheRecordsMembers) {
  const SettingsRecord r = DistinctRecord();
  const struct {
    const char* name;
    FieldValue value;
    const char* catches;
  } cases[] = {
      {"PaperSize", int32_t{258}, "the first field"},
      {"CustomUnit", int32_t{1}, "the int before the doubles"},
      {"CustomWidth", 8.5, "doubles"},
      {"CustomHeight", 11.69, "the second double"},
      {"Copies", int32_t{999}, ""},
      {"MainText", std::string("AB!z"), "texts stop at their NUL"},
      {"LayoutField72", int32_t{-72}, "the layout block's first member"},
      {"BorderShape", int32_t{1}, "its last"},
      {"ColorMode", int32_t{6}, "the field after the layout block"},
      {"ChosenEntryName", std::string("\xB5\xB1\xC7\xB0"), "GB2312 texts as bytes"},
      {"BlackGeneration", int32_t{1}, ""},
      {"Sample", int32_t{3}, "the color block's first member"},
      {"YellowBlue", int32_t{-10}, "its last"},
      {"Gannma", int32_t{1}, "the density block"},
      {"Yellow", int32_t{7}, ""},
      {"TrayOption", int32_t{11}, "after the density block"},
      {"OptionText", std::string(20, 'x'), "a text filling its field"},
      {"Option1226Inverted", int32_t{-1}, "the field before the watermark block"},
      {"WatermarkOn", int32_t{1}, "the watermark block's first member"},
      {"WatermarkFile", std::string("C:\\wm.bmp"), "its long path"},
      {"WatermarkOutline", int32_t{5}, "its last"},
      {"WatermarkList[0].Name", std::string("first"), "the list's first entry"},
      {"WatermarkList[9].File", std::string("C:\\last.bmp"), "the record's last bytes"},
      {"WatermarkList[5].Name", std::string(), "an empty slot"},
  };
  for (const auto& c : cases) {
    const std::optional<FieldRef> ref = FindField(c.name);
    ASSERT_TRUE(ref) << c.name;
    EXPECT_EQ(ReadField(r, *ref), c.value) << c.name << " (" << c.catches << ")";
  }
}

TEST(ScriptFields, TheRecordAsJsonHasEveryFieldInOrderWithUtf8Texts) {
  SettingsRecord r = DistinctRecord();
  std::memcpy(r.WatermarkList[1].Name, "\xFF\xFE", 3);  // bytes that are no GB2312
  const nlohmann::ordered_json json = RecordToJson(r);
  ASSERT_EQ(json.size(), 84u);
  EXPECT_EQ(json.begin().key(), "PaperSize");
  EXPECT_EQ((--json.end()).key(), "WatermarkList[9].File");
  EXPECT_EQ(json["CustomWidth"], 8.5);
  EXPECT_EQ(json["ChosenEntryName"], "\xE5\xBD\x93\xE5\x89\x8D");  // 当前
  EXPECT_EQ(json["WatermarkList[1].Name"], "\\xFF\\xFE");
  EXPECT_NO_THROW((void)json.dump());  // valid UTF-8 throughout
  EXPECT_EQ(DescribeValue(FieldValue{std::string("\xB5\xB1")}), "\"\xE5\xBD\x93\"");
  EXPECT_EQ(DescribeValue(FieldValue{210.0}), "210");
  EXPECT_EQ(DescribeValue(FieldValue{11.69}), "11.69");
}

}  // namespace
}  // namespace velko::script
