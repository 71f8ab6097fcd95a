// The settings record the driver starts from.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "host/default_settings.h"

namespace velko::host {
namespace {

struct FieldCase {
  const char* field;
  int32_t actual;
  int32_t expected;
};

TEST(DefaultSettingsTest, FieldsHoldWhatAPersonExpects) {
  const SettingsRecord r = DefaultSettingsRecord();
  const FieldCase cases[] = {
      {"PaperSize: A4", r.PaperSize, 9},
      {"OutputSize: as the paper", r.OutputSize, 548},
      {"PaperTray: automatic", r.PaperTray, 7},
      {"MediaType: plain paper", r.MediaType, 0},
      {"Orientation: portrait", r.Orientation, 1},
      {"PagesPerSheet: one", r.PagesPerSheet, 0},
      {"Copies", r.Copies, 1},
      {"PrintMode: normal", r.PrintMode, 0},
      {"CustomUnit: millimetres", r.CustomUnit, 0},
      {"ColorMode: document", r.ColorMode, 0},
      {"BaseColor: normal", r.ColorAdjust.BaseColor, 1},
      {"Bright", r.ColorAdjust.Bright, 0},
      {"Fullness", r.ColorAdjust.Fullness, 0},
      {"Contrast", r.ColorAdjust.Contrast, 0},
      {"CyanRed", r.ColorAdjust.CyanRed, 0},
      {"MagentaGreen", r.ColorAdjust.MagentaGreen, 0},
      {"YellowBlue", r.ColorAdjust.YellowBlue, 0},
      {"Density: off", r.Density.Gannma, 0},
      {"WatermarkOn: off", r.Watermark.WatermarkOn, 0},
      {"WatermarkIndex: first text", r.Watermark.WatermarkIndex, 0},
      {"WatermarkPosition: center", r.Watermark.WatermarkPosition, 0},
  };
  for (const auto& c : cases) EXPECT_EQ(c.actual, c.expected) << c.field;

  // The custom size is a valid one for the custom size dialog.
  EXPECT_DOUBLE_EQ(r.CustomWidth, 210.0);
  EXPECT_DOUBLE_EQ(r.CustomHeight, 297.0);
}

TEST(DefaultSettingsTest, SlidersAndWatermarkStayInTheirRanges) {
  const SettingsRecord r = DefaultSettingsRecord();
  const int32_t* sliders[] = {&r.Density.Black, &r.Density.Cyan, &r.Density.Magenta,
                              &r.Density.Yellow};
  for (const int32_t* slider : sliders) EXPECT_EQ(*slider, 0);
  EXPECT_GE(r.Watermark.WatermarkColor, 0);
  EXPECT_LE(r.Watermark.WatermarkColor, 6);
  EXPECT_GE(r.Watermark.WatermarkDensity, 0);
  EXPECT_LE(r.Watermark.WatermarkDensity, 8);
  EXPECT_GE(r.Watermark.WatermarkSize, 0);
  EXPECT_LE(r.Watermark.WatermarkSize, 8);
}

TEST(DefaultSettingsTest, TextsAreGb2312AndListsEmpty) {
  const SettingsRecord r = DefaultSettingsRecord();
  // "当前设置" (current settings)
  EXPECT_STREQ(r.ChosenEntryName, "\xB5\xB1\xC7\xB0\xC9\xE8\xD6\xC3");
  EXPECT_STREQ(r.Watermark.WatermarkName, "CONFIDENTIAL");
  EXPECT_STREQ(r.Watermark.WatermarkFile, "");
  EXPECT_STREQ(r.MainText, "");
  EXPECT_STREQ(r.OptionText, "");
  for (const auto& entry : r.WatermarkList) {
    EXPECT_EQ(entry.Name[0], '\0');
    EXPECT_EQ(entry.File[0], '\0');
  }
}

}  // namespace
}  // namespace velko::host
