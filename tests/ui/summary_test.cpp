// The settings summary's texts for a record: the rows of the ordinary and
// the custom color mode, the entry name, and values the tables have no
// entry for.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "tests/resources/gb2312_text.h"
#include "ui/pages/summary.h"

namespace {

using namespace velko::ui;
using velko::SettingsRecord;
using velko::res::testing::Gb;

// The texts of 1201 to 1224 in UTF-8, for readable expectations.
std::vector<std::string> Expected(std::initializer_list<const char*> utf8) {
  std::vector<std::string> texts;
  for (const char* t : utf8) texts.push_back(Gb(t));
  texts.resize(kSummaryControls);
  return texts;
}

std::vector<std::string> Summary(const SettingsRecord& settings) {
  const auto texts = SummaryTexts(settings);
  return {texts.begin(), texts.end()};
}

SettingsRecord Record(int32_t colorMode, int32_t printMode) {
  SettingsRecord r{};
  r.ColorMode = colorMode;
  r.PrintMode = printMode;
  r.BlackGeneration = 1;
  r.Smoothing = 0;
  r.TonerSave = 1;
  return r;
}

TEST(Summary, OrdinaryColorModeFillsFiveRows) {
  EXPECT_EQ(Summary(Record(1, 2)),
            Expected({"色彩模式", "：", "照片", "打印模式", "：", "精确", "黑色生成", "：", "开", "平滑", "：", "关",
                      "省墨", "：", "开"}));
}

TEST(Summary, CustomColorModeAddsTheBaseColorRow) {
  SettingsRecord r = Record(4, 1);
  r.ColorAdjust.BaseColor = 2;
  EXPECT_EQ(Summary(r), Expected({"色彩模式", "：", "当前设置", "基础色彩", "：", "文档", "打印模式", "：", "快速",
                                  "黑色生成", "：", "开", "平滑", "：", "关", "省墨", "：", "开"}));
  std::strcpy(r.ChosenEntryName, "Evening");
  EXPECT_EQ(Summary(r)[2], "Evening");
}

struct OddCase {
  const char* what;
  void (*change)(SettingsRecord&);
  int control;            // 1201..1224
  const char* shownUtf8;  // what that control shows
};

// Values no page writes: the value stays empty rather than reading outside
// a table, a nonzero switch is on, a base color not among the codes shows
// the normal base color its table is built with, an entry name filling its
// whole field is cut there.
TEST(Summary, ValuesOutsideTheTables) {
  const OddCase cases[] = {
      {"color mode 7", [](SettingsRecord& r) { r.ColorMode = 7; }, 1203, ""},
      {"color mode -1", [](SettingsRecord& r) { r.ColorMode = -1; }, 1201, "色彩模式"},
      {"print mode 3", [](SettingsRecord& r) { r.PrintMode = 3; }, 1206, ""},
      {"print mode -2 keeps its label", [](SettingsRecord& r) { r.PrintMode = -2; }, 1204, "打印模式"},
      {"smoothing 5 is on", [](SettingsRecord& r) { r.Smoothing = 5; }, 1212, "开"},
      {"toner save -1 is on", [](SettingsRecord& r) { r.TonerSave = -1; }, 1215, "开"},
      {"base color 9", [](SettingsRecord& r) { r.ColorMode = 4; r.ColorAdjust.BaseColor = 9; }, 1206, "普通"},
      {"base color 0, as a new Velko.ini entry holds it",
       [](SettingsRecord& r) { r.ColorMode = 4; r.ColorAdjust.BaseColor = 0; }, 1206, "普通"},
      {"base color 4", [](SettingsRecord& r) { r.ColorMode = 4; r.ColorAdjust.BaseColor = 4; }, 1206, "图象"},
      {"unterminated entry name",
       [](SettingsRecord& r) {
         r.ColorMode = 4;
         std::memset(r.ChosenEntryName, 'N', sizeof r.ChosenEntryName);
       },
       1203, "NNNNNNNNNNNNNNNNNNNN"},
  };
  for (const OddCase& c : cases) {
    SettingsRecord r = Record(0, 0);
    c.change(r);
    EXPECT_EQ(Summary(r)[c.control - kFirstSummaryControl], Gb(c.shownUtf8)) << c.what;
  }
}

}  // namespace
