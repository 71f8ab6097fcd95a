// The driver's default settings record.
#include "host/default_settings.h"

#include <algorithm>
#include <cstring>
#include <string_view>

namespace velko::host {
namespace {

// The codes of the record's fields, as the pages' tables list them.
constexpr int32_t kPaperA4 = 9;
constexpr int32_t kOutputAsPaper = 548;
constexpr int32_t kTrayAutomatic = 7;
constexpr int32_t kMediaPlain = 0;
constexpr int32_t kPortrait = 1;
constexpr int32_t kOnePagePerSheet = 0;
constexpr int32_t kPrintModeNormal = 0;
constexpr int32_t kColorModeDocument = 0;
constexpr int32_t kBaseColorNormal = 1;          // "普通"
constexpr int32_t kColorDescriptionSaturation = 1;
constexpr int32_t kWatermarkCenter = 0;
constexpr int32_t kWatermarkBlack = 0;

// "当前设置" (current settings): the color page's entry for the record's own
// color blocks.
constexpr std::string_view kCurrentSettingsName = "\xB5\xB1\xC7\xB0\xC9\xE8\xD6\xC3";
// The first built-in watermark text.
constexpr std::string_view kFirstWatermarkText = "CONFIDENTIAL";

template <std::size_t N>
void CopyText(char (&field)[N], std::string_view text) {
  static_assert(N > 0);
  std::memset(field, 0, N);
  std::memcpy(field, text.data(), std::min(text.size(), N - 1));
}

}  // namespace

SettingsRecord DefaultSettingsRecord() {
  SettingsRecord record{};
  record.PaperSize = kPaperA4;
  record.CustomUnit = 0;  // millimetres; the custom size starts as A4
  record.CustomWidth = 210.0;
  record.CustomHeight = 297.0;
  record.OutputSize = kOutputAsPaper;
  record.PaperTray = kTrayAutomatic;
  record.MediaType = kMediaPlain;
  record.Orientation = kPortrait;
  record.PagesPerSheet = kOnePagePerSheet;
  record.PrintMode = kPrintModeNormal;
  record.Copies = 1;

  record.ColorMode = kColorModeDocument;
  CopyText(record.ChosenEntryName, kCurrentSettingsName);
  record.ColorDescription = kColorDescriptionSaturation;
  record.BlackGeneration = 1;
  record.ColorAdjust.BaseColor = kBaseColorNormal;

  record.Smoothing = 1;
  // The inverted switches read 1 while their check boxes are clear, like
  // every other switch of the record.
  record.Option1072Inverted = 1;
  record.Option1226Inverted = 1;

  record.Watermark.WatermarkOn = 0;
  record.Watermark.WatermarkIndex = 0;
  CopyText(record.Watermark.WatermarkName, kFirstWatermarkText);
  record.Watermark.WatermarkPosition = kWatermarkCenter;
  record.Watermark.WatermarkColor = kWatermarkBlack;
  record.Watermark.WatermarkDensity = 2;  // light enough to read the page through
  record.Watermark.WatermarkSize = 5;     // a little above the middle of 0..8
  record.Watermark.WatermarkOutline = 0;
  return record;
}

}  // namespace velko::host
