// The driver's settings record: 3,376 bytes of fixed layout owned by the
// 16-bit driver. Two copies cross into every page call (current and default);
// the pages edit the current one in place, so every offset is binding.
#pragma once

#include <cstddef>
#include <cstdint>

namespace velko {

#pragma pack(push, 1)

// Input of the color table builder; the same 32 bytes sit in the record.
struct ColorAdjustBlock {
  int32_t Sample;        // sample picture of the preview, 0..3 (not read by the builder)
  int32_t BaseColor;     // 1 normal, 2 document, 3 photo, 4 graphics; others: normal
  int32_t Bright;        // sliders: -10..10, clamped wherever used
  int32_t Fullness;
  int32_t Contrast;
  int32_t CyanRed;
  int32_t MagentaGreen;
  int32_t YellowBlue;
};
static_assert(sizeof(ColorAdjustBlock) == 32);

struct DensityBlock {
  int32_t Gannma;  // density adjustment on/off (the driver's own spelling)
  int32_t Black;
  int32_t Cyan;
  int32_t Magenta;
  int32_t Yellow;
};
static_assert(sizeof(DensityBlock) == 20);

struct LayoutBlock {
  int32_t LayoutField72;  // carried unchanged by the layout dialog
  int32_t LayoutField76;
  int32_t LayoutField80;
  int32_t TwoUpOrder;     // 0 left first, 1 right first
  int32_t FourUpOrder;    // 0..3
  int32_t PrintBorder;
  int32_t BorderShape;    // 0 rectangle, 1 corners
};
static_assert(sizeof(LayoutBlock) == 28);

inline constexpr std::size_t kWatermarkNameBytes = 20;
inline constexpr std::size_t kPathBytes = 260;

struct WatermarkBlock {
  int32_t WatermarkOn;
  int32_t WatermarkIndex;    // 0..7 built-in texts, 8 and up the user's watermarks
  char WatermarkName[kWatermarkNameBytes];
  char WatermarkFile[kPathBytes];
  int32_t WatermarkPosition; // 0 center .. 6 bottom right
  int32_t WatermarkColor;    // 0 black .. 6 yellow
  int32_t WatermarkDensity;  // 0..8
  int32_t WatermarkSize;     // 0..8
  int32_t WatermarkOutline;
};
static_assert(sizeof(WatermarkBlock) == 308);

// An empty name marks a free slot.
struct WatermarkEntry {
  char Name[kWatermarkNameBytes];
  char File[kPathBytes];
};
static_assert(sizeof(WatermarkEntry) == 280);

inline constexpr int kWatermarkListEntries = 10;

struct SettingsRecord {
  int32_t PaperSize;
  int32_t CustomUnit;    // 0 millimetres, otherwise inches
  double CustomWidth;
  double CustomHeight;
  int32_t OutputSize;
  int32_t PaperTray;
  int32_t MediaType;
  int32_t Orientation;   // 1 portrait, 2 landscape
  int32_t PagesPerSheet; // 0 one, 1 two, 2 four
  int32_t Option1020;
  int32_t PrintMode;     // 0 normal, 1 fast, 2 fine
  int32_t Copies;
  int32_t MainTextOn;
  char MainText[12];
  LayoutBlock Layout;
  int32_t ColorMode;     // 0 document .. 6 no color adjustment
  char ChosenEntryName[20];
  int32_t ColorDescription;
  int32_t ColorOption;
  int32_t ColorOptionChoice;
  int32_t ColorOptionLevel;
  int32_t BlackGeneration;
  ColorAdjustBlock ColorAdjust;
  DensityBlock Density;
  int32_t TrayOption;
  int32_t TrayOptionChoice;
  int32_t TrayOptionTray;
  int32_t OptionTextOn;
  char OptionText[20];
  int32_t Smoothing;
  int32_t TonerSave;
  int32_t Option1080;
  int32_t Option1102;
  int32_t Option1071;
  int32_t Option1072Inverted;
  int32_t Option1081;
  int32_t Option1073;
  int32_t Option1226Inverted;
  WatermarkBlock Watermark;
  WatermarkEntry WatermarkList[kWatermarkListEntries];
};

#pragma pack(pop)

static_assert(sizeof(SettingsRecord) == 3376);
static_assert(offsetof(SettingsRecord, PaperSize) == 0);
static_assert(offsetof(SettingsRecord, CustomUnit) == 4);
static_assert(offsetof(SettingsRecord, CustomWidth) == 8);
static_assert(offsetof(SettingsRecord, CustomHeight) == 16);
static_assert(offsetof(SettingsRecord, OutputSize) == 24);
static_assert(offsetof(SettingsRecord, PaperTray) == 28);
static_assert(offsetof(SettingsRecord, MediaType) == 32);
static_assert(offsetof(SettingsRecord, Orientation) == 36);
static_assert(offsetof(SettingsRecord, PagesPerSheet) == 40);
static_assert(offsetof(SettingsRecord, Option1020) == 44);
static_assert(offsetof(SettingsRecord, PrintMode) == 48);
static_assert(offsetof(SettingsRecord, Copies) == 52);
static_assert(offsetof(SettingsRecord, MainTextOn) == 56);
static_assert(offsetof(SettingsRecord, MainText) == 60);
static_assert(offsetof(SettingsRecord, Layout) == 72);
static_assert(offsetof(SettingsRecord, Layout) + offsetof(LayoutBlock, TwoUpOrder) == 84);
static_assert(offsetof(SettingsRecord, Layout) + offsetof(LayoutBlock, BorderShape) == 96);
static_assert(offsetof(SettingsRecord, ColorMode) == 100);
static_assert(offsetof(SettingsRecord, ChosenEntryName) == 104);
static_assert(offsetof(SettingsRecord, ColorDescription) == 124);
static_assert(offsetof(SettingsRecord, ColorOption) == 128);
static_assert(offsetof(SettingsRecord, ColorOptionChoice) == 132);
static_assert(offsetof(SettingsRecord, ColorOptionLevel) == 136);
static_assert(offsetof(SettingsRecord, BlackGeneration) == 140);
static_assert(offsetof(SettingsRecord, ColorAdjust) == 144);
static_assert(offsetof(SettingsRecord, Density) == 176);
static_assert(offsetof(SettingsRecord, TrayOption) == 196);
static_assert(offsetof(SettingsRecord, TrayOptionChoice) == 200);
static_assert(offsetof(SettingsRecord, TrayOptionTray) == 204);
static_assert(offsetof(SettingsRecord, OptionTextOn) == 208);
static_assert(offsetof(SettingsRecord, OptionText) == 212);
static_assert(offsetof(SettingsRecord, Smoothing) == 232);
static_assert(offsetof(SettingsRecord, TonerSave) == 236);
static_assert(offsetof(SettingsRecord, Option1080) == 240);
static_assert(offsetof(SettingsRecord, Option1102) == 244);
static_assert(offsetof(SettingsRecord, Option1071) == 248);
static_assert(offsetof(SettingsRecord, Option1072Inverted) == 252);
static_assert(offsetof(SettingsRecord, Option1081) == 256);
static_assert(offsetof(SettingsRecord, Option1073) == 260);
static_assert(offsetof(SettingsRecord, Option1226Inverted) == 264);
static_assert(offsetof(SettingsRecord, Watermark) == 268);
static_assert(offsetof(SettingsRecord, Watermark) + offsetof(WatermarkBlock, WatermarkName) == 276);
static_assert(offsetof(SettingsRecord, Watermark) + offsetof(WatermarkBlock, WatermarkFile) == 296);
static_assert(offsetof(SettingsRecord, Watermark) + offsetof(WatermarkBlock, WatermarkPosition) == 556);
static_assert(offsetof(SettingsRecord, Watermark) + offsetof(WatermarkBlock, WatermarkColor) == 560);
static_assert(offsetof(SettingsRecord, Watermark) + offsetof(WatermarkBlock, WatermarkDensity) == 564);
static_assert(offsetof(SettingsRecord, Watermark) + offsetof(WatermarkBlock, WatermarkSize) == 568);
static_assert(offsetof(SettingsRecord, Watermark) + offsetof(WatermarkBlock, WatermarkOutline) == 572);
static_assert(offsetof(SettingsRecord, WatermarkList) == 576);

}  // namespace velko
