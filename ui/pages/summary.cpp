// The settings summary: the value tables, indexed by the field's value, and
// the rows they fill.
#include "ui/pages/summary.h"

#include <cstring>
#include <string_view>

#include "platform/win32.h"
#include "ui/core/page_tables.h"
#include "ui/core/page_variables.h"

namespace velko::ui {
namespace {

using Texts = std::array<std::string, kSummaryControls>;

constexpr std::string_view kColorModeLabel = "\xC9\xAB\xB2\xCA\xC4\xA3\xCA\xBD";    // 色彩模式
constexpr std::string_view kBaseColorLabel = "\xBB\xF9\xB4\xA1\xC9\xAB\xB2\xCA";    // 基础色彩
constexpr std::string_view kPrintModeLabel = "\xB4\xF2\xD3\xA1\xC4\xA3\xCA\xBD";    // 打印模式
constexpr std::string_view kBlackGenerationLabel = "\xBA\xDA\xC9\xAB\xC9\xFA\xB3\xC9";  // 黑色生成
constexpr std::string_view kSmoothingLabel = "\xC6\xBD\xBB\xAC";                    // 平滑
constexpr std::string_view kTonerSaveLabel = "\xCA\xA1\xC4\xAB";                    // 省墨
constexpr std::string_view kSeparator = "\xA3\xBA";                                 // ：
constexpr std::string_view kCurrentSettings = "\xB5\xB1\xC7\xB0\xC9\xE8\xD6\xC3";   // 当前设置

constexpr int32_t kCustomColorMode = 4;

// Indexed by `ColorMode`.
constexpr std::array<std::string_view, 7> kColorModeTexts{
    "\xCE\xC4\xB5\xB5",              // 文档 (document)
    "\xD5\xD5\xC6\xAC",              // 照片 (photo)
    "\xCD\xBC\xCF\xF3",              // 图象 (graphics)
    "\xBA\xDA\xB0\xD7",              // 黑白 (monochrome)
    "\xD7\xD4\xB6\xA8\xD2\xE5",      // 自定义 (custom)
    "ICM",                           //
    "\xCE\xDE\xC9\xAB\xB2\xCA\xB5\xF7\xBD\xDA",  // 无色彩调节 (no color adjustment)
};

// Indexed by `PrintMode`.
constexpr std::array<std::string_view, 3> kPrintModeTexts{
    "\xC6\xD5\xCD\xA8",  // 普通 (normal)
    "\xBF\xEC\xCB\xD9",  // 快速 (fast)
    "\xBE\xAB\xC8\xB7",  // 精确 (fine)
};

// Indexed by the position of `BaseColor` in the base color codes 3, 1, 2, 4.
constexpr std::array<std::string_view, 4> kBaseColorTexts{
    "\xD5\xD5\xC6\xAC",  // 照片 (photo)
    "\xC6\xD5\xCD\xA8",  // 普通 (normal)
    "\xCE\xC4\xB5\xB5",  // 文档 (document)
    "\xCD\xBC\xCF\xF3",  // 图象 (graphics)
};
static_assert(kBaseColorTexts.size() == static_cast<std::size_t>(CodeCount(kBaseColorCodes)));

// A base color not among the codes builds with the normal table, so the
// summary names that one.
constexpr int32_t kNormalBaseColor = 1;

constexpr int BaseColorTextIndex(int32_t baseColor) {
  for (int i = 0; i < CodeCount(kBaseColorCodes); ++i) {
    if (kBaseColorCodes[i] == baseColor) return i;
  }
  return CodeIndex(kBaseColorCodes, kNormalBaseColor);
}
static_assert(BaseColorTextIndex(3) == 0 && BaseColorTextIndex(9) == BaseColorTextIndex(kNormalBaseColor));

// Indexed by an off/on field.
constexpr std::array<std::string_view, 2> kOffOnTexts{
    "\xB9\xD8",  // 关 (off)
    "\xBF\xAA",  // 开 (on)
};

// The table's text for `value`; a value the table has no entry for shows
// nothing rather than reading past the table.
template <std::size_t N>
std::string_view TextOf(const std::array<std::string_view, N>& table, int32_t value) {
  return value >= 0 && static_cast<std::size_t>(value) < N ? table[value] : std::string_view{};
}

// Any nonzero switch is on, as the driver reads it.
std::string_view OffOnText(int32_t value) { return kOffOnTexts[value != 0 ? 1 : 0]; }

// The entry name as stored, up to its NUL or the end of the field.
std::string_view EntryName(const SettingsRecord& settings) {
  return {settings.ChosenEntryName, strnlen(settings.ChosenEntryName, sizeof settings.ChosenEntryName)};
}

// Writes label, separator and value into the row starting at control `first`.
void PutRow(Texts& texts, int first, std::string_view label, std::string_view value) {
  const int at = first - kFirstSummaryControl;
  texts[at] = label;
  texts[at + 1] = kSeparator;
  texts[at + 2] = value;
}

}  // namespace

Texts SummaryTexts(const SettingsRecord& settings) {
  Texts texts{};
  int row = kFirstSummaryControl;
  if (settings.ColorMode == kCustomColorMode) {
    const std::string_view name = EntryName(settings);
    PutRow(texts, row, kColorModeLabel, name.empty() ? kCurrentSettings : name);
    PutRow(texts, row + 3, kBaseColorLabel, kBaseColorTexts[BaseColorTextIndex(settings.ColorAdjust.BaseColor)]);
    row += 6;
  } else {
    PutRow(texts, row, kColorModeLabel, TextOf(kColorModeTexts, settings.ColorMode));
    row += 3;
  }
  PutRow(texts, row, kPrintModeLabel, TextOf(kPrintModeTexts, settings.PrintMode));
  PutRow(texts, row + 3, kBlackGenerationLabel, OffOnText(settings.BlackGeneration));
  PutRow(texts, row + 6, kSmoothingLabel, OffOnText(settings.Smoothing));
  PutRow(texts, row + 9, kTonerSaveLabel, OffOnText(settings.TonerSave));
  return texts;
}

void RefreshSummary() {
  if (CurrentSettings == nullptr) return;
  const Texts texts = SummaryTexts(*CurrentSettings);
  // Every control is written, so rows left over from a longer summary go.
  for (int i = 0; i < kSummaryControls; ++i) {
    SetDlgItemText(MainPageWindow, kFirstSummaryControl + i, texts[i].c_str());
  }
}

}  // namespace velko::ui
