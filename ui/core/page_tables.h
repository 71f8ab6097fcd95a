// The code and name tables of the pages and dialogs, in the driver's binary
// form (name_table.h). Texts are GB2312 bytes, the UTF-8 beside them. The
// main page's tables come first; then the tables that one other page or
// dialog fills its lists from.
#pragma once

#include <array>
#include <cstdint>

#include "ui/core/name_table.h"

namespace velko::ui {

// --- Main page ---------------------------------------------------------------

inline constexpr int kPaperCount = 13;
inline constexpr int kCustomPaperIndex = 12;

// `PaperSize` codes by paper index.
inline constexpr auto kPaperCodes = CodeList<kPaperCount + 1>({8, 9, 11, 70, 12, 13, 88, 1, 7, 258, 20, 27, 256});

inline constexpr auto kPaperNames = NameList<kPaperCount + 1>(
    {
        "A3 297 x 420 mm",
        "A4 210 x 297 mm",
        "A5 148 x 210 mm",
        "A6 105 x 148 mm",
        "B4 257 x 364 mm",
        "B5 182 x 257 mm",
        "B6 128 x 182 mm",
        "Letter 8.5 x 11 in",
        "Executive 7.25 x 10.5 in",
        "B5(ISO) 176 x 250 mm",
        "Commercial#10 4.125 x 9.5 in",
        "InternationalDL 110 x 220 mm",
        "Custom Size",
    },
    2);

// Output sizes: one row (one group) of seven slots per paper index.
inline constexpr int kOutputSlots = 7;
inline constexpr int32_t kAsPaperOutput = 548;
inline constexpr const char* kAsPaperName = "\xD2\xC0\xD5\xD5\xD6\xBD\xD5\xC5\xB3\xDF\xB4\xE7";  // 依照纸张尺寸

using OutputCodeRow = std::array<int32_t, kOutputSlots>;
using OutputNameGroup = std::array<NameSlot, kOutputSlots>;

// `OutputSize` codes, row = paper index.
inline constexpr std::array<OutputCodeRow, kPaperCount> kOutputCodes{{
    CodeList<kOutputSlots>({519, 532, kAsPaperOutput}),  // A3
    CodeList<kOutputSlots>({520, 533, kAsPaperOutput}),  // A4
    CodeList<kOutputSlots>({521, 534, kAsPaperOutput}),  // A5
    CodeList<kOutputSlots>({522, 535, kAsPaperOutput}),  // A6
    CodeList<kOutputSlots>({523, 536, kAsPaperOutput}),  // B4
    CodeList<kOutputSlots>({524, 537, kAsPaperOutput}),  // B5
    CodeList<kOutputSlots>({525, 538, kAsPaperOutput}),  // B6
    CodeList<kOutputSlots>({540, 539, kAsPaperOutput}),  // Letter
    CodeList<kOutputSlots>({541, kAsPaperOutput}),       // Executive
    CodeList<kOutputSlots>({544, kAsPaperOutput}),       // B5(ISO)
    CodeList<kOutputSlots>({545, kAsPaperOutput}),       // Commercial#10
    CodeList<kOutputSlots>({546, kAsPaperOutput}),       // InternationalDL
    CodeList<kOutputSlots>({kAsPaperOutput}),            // Custom Size
}};

// Output size names, group = paper index; "as the paper size" is the
// default of every group.
inline constexpr std::array<OutputNameGroup, kPaperCount> kOutputNames{{
    NameList<kOutputSlots>({"A4", "B5", kAsPaperName}, 2),
    NameList<kOutputSlots>({"A4", "B5", kAsPaperName}, 2),
    NameList<kOutputSlots>({"A4", "B5", kAsPaperName}, 2),
    NameList<kOutputSlots>({"A4", "B5", kAsPaperName}, 2),
    NameList<kOutputSlots>({"A4", "B5", kAsPaperName}, 2),
    NameList<kOutputSlots>({"A4", "B5", kAsPaperName}, 2),
    NameList<kOutputSlots>({"A4", "B5", kAsPaperName}, 2),
    NameList<kOutputSlots>({"A4", "Letter", kAsPaperName}, 2),
    NameList<kOutputSlots>({"Executive", kAsPaperName}, 1),
    NameList<kOutputSlots>({"B5(ISO)", kAsPaperName}, 1),
    NameList<kOutputSlots>({"Commercial#10", kAsPaperName}, 1),
    NameList<kOutputSlots>({"InternationalDL", kAsPaperName}, 1),
    NameList<kOutputSlots>({kAsPaperName}, 0),
}};

// `PaperTray` codes and names.
inline constexpr auto kTrayCodes = CodeList<4>({1, 2, 7});
inline constexpr auto kTrayNames = NameList<4>(
    {
        "\xB5\xDA\xD2\xBB\xBD\xF8\xD6\xBD\xBA\xD0",  // 第一进纸盒 (first tray)
        "\xB5\xDA\xB6\xFE\xBD\xF8\xD6\xBD\xBA\xD0",  // 第二进纸盒 (second tray)
        "\xD7\xD4\xB6\xAF\xD1\xA1\xD4\xF1",          // 自动选择 (automatic selection)
    },
    0);

// `MediaType` codes and names.
inline constexpr auto kMediaCodes = CodeList<6>({0, 1, 2, 3, 4});
inline constexpr auto kMediaNames = NameList<6>(
    {
        "\xC6\xD5\xCD\xA8\xD6\xBD",  // 普通纸 (plain paper)
        "\xBD\xBA\xC6\xAC",          // 胶片 (film)
        "\xB1\xEA\xC7\xA9",          // 标签 (labels)
        "\xBA\xF1\xD6\xBD",          // 厚纸 (thick paper)
        "\xD0\xC5\xB7\xE2",          // 信封 (envelope)
    },
    0);

// `PagesPerSheet`: group n offers the first n + 1 choices.
inline constexpr int kPagesPerSheetGroups = 3;
inline constexpr int kPagesPerSheetSlots = 4;
using PagesPerSheetGroup = std::array<NameSlot, kPagesPerSheetSlots>;

inline constexpr const char* kOnePageName = "\xB5\xA5\xD2\xB3";    // 单页 (one page)
inline constexpr const char* kTwoPagesName = "\xCB\xAB\xD2\xB3";   // 双页 (two pages)
inline constexpr const char* kFourPagesName = "4\xD2\xB3";         // 4页 (four pages)

inline constexpr std::array<PagesPerSheetGroup, kPagesPerSheetGroups> kPagesPerSheetNames{{
    NameList<kPagesPerSheetSlots>({kOnePageName}, 0),
    NameList<kPagesPerSheetSlots>({kOnePageName, kTwoPagesName}, 0),
    NameList<kPagesPerSheetSlots>({kOnePageName, kTwoPagesName, kFourPagesName}, 0),
}};

// --- Tables of other pages and dialogs -----------------------------------------

// The color page's user entry list starts with this one item.
inline constexpr auto kCurrentSettingsNames = NameList<2>(
    {
        "\xB5\xB1\xC7\xB0\xC9\xE8\xD6\xC3",  // 当前设置 (current settings)
    },
    0);

// The page layout dialog's border shapes.
inline constexpr auto kBorderShapeNames = NameList<3>(
    {
        "\xBE\xD8\xD0\xCE",  // 矩形 (rectangle)
        "\xCB\xC4\xBD\xC7",  // 四角 (corners)
    },
    0);

// The options page's tray list.
inline constexpr auto kOptionsTrayNames = NameList<3>(
    {
        "\xB5\xDA\xD2\xBB\xBD\xF8\xD6\xBD\xBA\xD0",  // 第一进纸盒 (first tray)
        "\xB5\xDA\xB6\xFE\xBD\xF8\xD6\xBD\xBA\xD0",  // 第二进纸盒 (second tray)
    },
    0);

// The color adjustment page's base colors: `BaseColor` codes and names.
inline constexpr auto kBaseColorCodes = CodeList<5>({3, 1, 2, 4});
inline constexpr auto kBaseColorNames = NameList<5>(
    {
        "\xD5\xD5\xC6\xAC",  // 照片 (photo)
        "\xC6\xD5\xCD\xA8",  // 普通 (normal)
        "\xCE\xC4\xB5\xB5",  // 文档 (document)
        "\xCD\xBC\xCF\xF3",  // 图象 (graphics)
    },
    0);

// The color adjustment page's sample pictures.
inline constexpr auto kSampleNames = NameList<5>(
    {
        "\xB6\xF9\xCD\xAF",  // 儿童 (children)
        "\xB7\xE7\xBE\xB0",  // 风景 (landscape)
        "\xD3\xCE\xCD\xA7",  // 游艇 (yacht)
        "\xCB\xAE\xB9\xFB",  // 水果 (fruit)
    },
    0);

// The watermark dialog's built-in texts, positions and colors.
inline constexpr auto kWatermarkTextNames = NameList<9>(
    {"CONFIDENTIAL", "DO NOT COPY", "TOP SECRET", "DRAFT", "PROOF", "FINAL", "COPY", "FILE COPY"}, 0);

inline constexpr auto kWatermarkPositionNames = NameList<8>(
    {
        "\xD6\xD0",          // 中 (center)
        "\xD7\xF3\xC9\xCF",  // 左上 (top left)
        "\xD6\xD0\xC9\xCF",  // 中上 (top center)
        "\xD3\xD2\xC9\xCF",  // 右上 (top right)
        "\xD7\xF3\xCF\xC2",  // 左下 (bottom left)
        "\xD6\xD0\xCF\xC2",  // 中下 (bottom center)
        "\xD3\xD2\xCF\xC2",  // 右下 (bottom right)
    },
    0);

inline constexpr auto kWatermarkColorNames = NameList<8>(
    {
        "\xBA\xDA",  // 黑 (black)
        "\xBA\xEC",  // 红 (red)
        "\xC2\xCC",  // 绿 (green)
        "\xC0\xB6",  // 蓝 (blue)
        "\xC7\xE0",  // 青 (cyan)
        "\xC6\xB7",  // 品 (magenta)
        "\xBB\xC6",  // 黄 (yellow)
    },
    0);

// --- Shape -------------------------------------------------------------------

// Each table as the driver lays it out, bytes included.
static_assert(sizeof(kPaperCodes) == 14 * 4 && sizeof(kPaperNames) == 14 * 32);
static_assert(sizeof(kOutputCodes) == 13 * 7 * 4 && sizeof(kOutputNames) == 13 * 7 * 32);
static_assert(sizeof(kPagesPerSheetNames) == 3 * 4 * 32);

static_assert(IsCodeTable(kPaperCodes) && CodeCount(kPaperCodes) == kPaperCount);
static_assert(IsNameTable(kPaperNames) && NameCount(kPaperNames) == kPaperCount);
static_assert(kPaperCodes[kCustomPaperIndex] == 256);

// Every output row holds its -1 within its seven slots and has a name per
// code; the last item of every row is "as the paper size".
constexpr bool OutputRowsMatchTheirGroups() {
  for (int p = 0; p < kPaperCount; ++p) {
    const int count = CodeCount(kOutputCodes[p]);
    if (!IsCodeTable(kOutputCodes[p]) || !IsNameTable(kOutputNames[p])) return false;
    if (NameCount(kOutputNames[p]) != count) return false;
    if (kOutputCodes[p][count - 1] != kAsPaperOutput) return false;
    if (DefaultItemOf(kOutputNames[p][count]) != count - 1) return false;
  }
  return true;
}
static_assert(OutputRowsMatchTheirGroups());

static_assert(IsCodeTable(kTrayCodes) && IsNameTable(kTrayNames) && CodeCount(kTrayCodes) == NameCount(kTrayNames));
static_assert(IsCodeTable(kMediaCodes) && IsNameTable(kMediaNames) &&
              CodeCount(kMediaCodes) == NameCount(kMediaNames));

constexpr bool PagesPerSheetGroupsGrow() {
  for (int g = 0; g < kPagesPerSheetGroups; ++g) {
    if (!IsNameTable(kPagesPerSheetNames[g]) || NameCount(kPagesPerSheetNames[g]) != g + 1) return false;
  }
  return true;
}
static_assert(PagesPerSheetGroupsGrow());

static_assert(IsNameTable(kCurrentSettingsNames) && NameCount(kCurrentSettingsNames) == 1);
static_assert(IsNameTable(kBorderShapeNames) && NameCount(kBorderShapeNames) == 2);
static_assert(IsNameTable(kOptionsTrayNames) && NameCount(kOptionsTrayNames) == 2);
static_assert(IsCodeTable(kBaseColorCodes) && IsNameTable(kBaseColorNames) &&
              CodeCount(kBaseColorCodes) == NameCount(kBaseColorNames));
static_assert(IsNameTable(kSampleNames) && NameCount(kSampleNames) == 4);
static_assert(IsNameTable(kWatermarkTextNames) && NameCount(kWatermarkTextNames) == 8);
static_assert(IsNameTable(kWatermarkPositionNames) && NameCount(kWatermarkPositionNames) == 7);
static_assert(IsNameTable(kWatermarkColorNames) && NameCount(kWatermarkColorNames) == 7);

}  // namespace velko::ui
