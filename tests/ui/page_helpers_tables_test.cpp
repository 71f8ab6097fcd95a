// The shared code and name tables: their texts as the system shows them
// (checked through iconv against the UTF-8 wording), their default items and
// end entries byte for byte, and the code lookups over them.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "tests/resources/gb2312_text.h"
#include "ui/core/page_helpers.h"

namespace {

using namespace velko::ui;
using velko::res::testing::Gb;

std::vector<std::string> TextsOf(NameTable table) {
  std::vector<std::string> texts;
  for (const NameSlot& slot : table) {
    if (IsEndOfNames(slot)) break;
    texts.emplace_back(slot.data(), strnlen(slot.data(), slot.size()));
  }
  return texts;
}

std::vector<std::string> Gb(const std::vector<std::string>& utf8) {
  std::vector<std::string> bytes;
  for (const std::string& text : utf8) bytes.push_back(Gb(text));
  return bytes;
}

// The end entry of a table: 0xFF, then the default item as a signed byte,
// then zeros.
NameSlot EndEntryOf(NameTable table) {
  for (const NameSlot& slot : table) {
    if (IsEndOfNames(slot)) return slot;
  }
  ADD_FAILURE() << "the table has no end entry";
  return {};
}

struct NameTableCase {
  const char* what;
  NameTable table;
  std::vector<std::string> utf8;
  int defaultItem;
};

TEST(PageTablesTest, NameTablesHoldTheSystemsTextsAndDefaults) {
  const std::string asPaper = "依照纸张尺寸";
  const std::vector<NameTableCase> cases = {
      {"paper sizes", kPaperNames,
       {"A3 297 x 420 mm", "A4 210 x 297 mm", "A5 148 x 210 mm", "A6 105 x 148 mm", "B4 257 x 364 mm",
        "B5 182 x 257 mm", "B6 128 x 182 mm", "Letter 8.5 x 11 in", "Executive 7.25 x 10.5 in",
        "B5(ISO) 176 x 250 mm", "Commercial#10 4.125 x 9.5 in", "InternationalDL 110 x 220 mm", "Custom Size"},
       2},
      {"output A3", kOutputNames[0], {"A4", "B5", asPaper}, 2},
      {"output B6", kOutputNames[6], {"A4", "B5", asPaper}, 2},
      {"output Letter", kOutputNames[7], {"A4", "Letter", asPaper}, 2},
      {"output Executive", kOutputNames[8], {"Executive", asPaper}, 1},
      {"output B5(ISO)", kOutputNames[9], {"B5(ISO)", asPaper}, 1},
      {"output Commercial#10", kOutputNames[10], {"Commercial#10", asPaper}, 1},
      {"output InternationalDL", kOutputNames[11], {"InternationalDL", asPaper}, 1},
      {"output Custom Size", kOutputNames[12], {asPaper}, 0},
      {"trays", kTrayNames, {"第一进纸盒", "第二进纸盒", "自动选择"}, 0},
      {"media", kMediaNames, {"普通纸", "胶片", "标签", "厚纸", "信封"}, 0},
      {"pages per sheet 0", kPagesPerSheetNames[0], {"单页"}, 0},
      {"pages per sheet 1", kPagesPerSheetNames[1], {"单页", "双页"}, 0},
      {"pages per sheet 2", kPagesPerSheetNames[2], {"单页", "双页", "4页"}, 0},
      {"user entry list", kCurrentSettingsNames, {"当前设置"}, 0},
      {"border shapes", kBorderShapeNames, {"矩形", "四角"}, 0},
      {"options trays", kOptionsTrayNames, {"第一进纸盒", "第二进纸盒"}, 0},
      {"base colors", kBaseColorNames, {"照片", "普通", "文档", "图象"}, 0},
      {"samples", kSampleNames, {"儿童", "风景", "游艇", "水果"}, 0},
      {"watermark texts", kWatermarkTextNames,
       {"CONFIDENTIAL", "DO NOT COPY", "TOP SECRET", "DRAFT", "PROOF", "FINAL", "COPY", "FILE COPY"}, 0},
      {"watermark positions", kWatermarkPositionNames, {"中", "左上", "中上", "右上", "左下", "中下", "右下"}, 0},
      {"watermark colors", kWatermarkColorNames, {"黑", "红", "绿", "蓝", "青", "品", "黄"}, 0},
  };
  for (const NameTableCase& c : cases) {
    EXPECT_EQ(TextsOf(c.table), Gb(c.utf8)) << c.what;
    NameSlot end{};
    end[0] = static_cast<char>(0xFF);
    end[1] = static_cast<char>(c.defaultItem);
    EXPECT_EQ(EndEntryOf(c.table), end) << c.what;
  }
}

TEST(PageTablesTest, OutputGroupsAreSevenSlotsWithZerosAfterTheirEnd) {
  // The groups lie back to back: group p starts 7 * 32 * p bytes in.
  const auto* bytes = reinterpret_cast<const unsigned char*>(kOutputNames.data());
  const int executive = 8;
  const unsigned char* group = bytes + executive * 7 * 32;
  EXPECT_STREQ(reinterpret_cast<const char*>(group), "Executive");
  EXPECT_EQ(group[2 * 32], 0xFF);  // end entry after two names
  EXPECT_EQ(group[2 * 32 + 1], 1);
  for (int i = 3 * 32; i < 7 * 32; ++i) ASSERT_EQ(group[i], 0) << "byte " << i << " of the Executive group";
  // Rows of codes likewise: -1 inside the row, zeros after it.
  const int32_t* codes = kOutputCodes.data()->data();
  const int32_t executiveRow[7] = {541, 548, -1, 0, 0, 0, 0};
  EXPECT_EQ(std::memcmp(codes + executive * 7, executiveRow, sizeof executiveRow), 0);
}

TEST(PageTablesTest, BaseColorCodesAreInListOrder) {
  const int32_t expected[] = {3, 1, 2, 4, -1};
  ASSERT_EQ(kBaseColorCodes.size(), std::size(expected));
  EXPECT_EQ(std::memcmp(kBaseColorCodes.data(), expected, sizeof expected), 0);
}

struct LookupCase {
  const char* what;
  int (*lookup)(int32_t);
  int32_t code;
  int expected;
};

TEST(PageLookupTest, CodesGiveTheirIndexAndUnknownCodesTheFirstItem) {
  const LookupCase cases[] = {
      {"paper 8 is A3, the first entry", PaperIndex, 8, 0},
      {"paper 257 is not in the table", PaperIndex, 257, 0},
      {"paper 0 is not in the table", PaperIndex, 0, 0},
      {"paper 256 is the custom size, the last entry", PaperIndex, 256, 12},
      {"paper 1 is Letter", PaperIndex, 1, 7},
      {"paper -1 is the end mark, not an entry", PaperIndex, -1, 0},
      {"tray 7 is automatic selection", TrayIndex, 7, 2},
      {"tray 2", TrayIndex, 2, 1},
      {"tray 3 is not in the table", TrayIndex, 3, 0},
      {"media 4 is envelope, the last entry", MediaIndex, 4, 4},
      {"media 0 is plain paper", MediaIndex, 0, 0},
      {"media 5 is not in the table", MediaIndex, 5, 0},
  };
  for (const LookupCase& c : cases) EXPECT_EQ(c.lookup(c.code), c.expected) << c.what;
}

struct OutputCase {
  const char* what;
  int32_t code;
  int paperIndex;
  int expected;
};

TEST(PageLookupTest, OutputCodesAreLookedUpInTheirPapersRow) {
  const OutputCase cases[] = {
      {"as the paper size for Executive", 548, 8, 1},
      {"A3's A4 code in Executive's row", 519, 8, 0},
      {"Executive's own code", 541, 8, 0},
      {"as the paper size for A3", 548, 0, 2},
      {"Letter's Letter", 539, 7, 1},
      {"as the paper size for the custom size", 548, 12, 0},
      {"0 fills the slots after -1, never a match", 0, 8, 0},
      {"a paper index below the table", 548, -1, 0},
      {"a paper index past the table", 548, 13, 0},
  };
  for (const OutputCase& c : cases) EXPECT_EQ(OutputIndex(c.code, c.paperIndex), c.expected) << c.what;
}

}  // namespace
