// What the printer's characterisation fixes: the neutral axis shared by all
// three base tables, the chromatic entries measured at L* = 52, and the bytes
// the driver must produce for four grid points of the default block.
#pragma once

#include <array>
#include <cstdint>

#include "ui/core/settings_record.h"

namespace velko::gen {

using Rgb8 = std::array<uint8_t, 3>;

// Device RGB of a* = b* = 0 at each L* grid node, identical in every table.
inline constexpr std::array<Rgb8, 17> kNeutralAxis = {{
    {1, 0, 0},       {25, 8, 22},     {36, 21, 38},    {46, 28, 52},    {58, 42, 64},
    {83, 67, 90},    {99, 88, 109},   {115, 104, 121}, {132, 122, 134}, {160, 146, 160},
    {175, 168, 175}, {186, 181, 185}, {198, 194, 196}, {215, 212, 213}, {229, 228, 228},
    {241, 242, 242}, {255, 255, 255},
}};

enum TableId : int { kNormal = 0, kDocument = 1, kPhoto = 2 };
inline constexpr int kTableCount = 3;
inline constexpr const char* kTableFileNames[kTableCount] = {
    "base_normal.bin", "base_document.bin", "base_photo.bin"};

// A measured entry at L* = 52: chroma-grid indices of a* and b*, and the
// device RGB per table (normal, document, photo).
struct MeasuredEntry {
  int aIndex, bIndex;
  std::array<Rgb8, kTableCount> rgb;
};
inline constexpr int kMeasuredLightnessIndex = 8;  // L* = 52
inline constexpr std::array<MeasuredEntry, 6> kMeasuredAt52 = {{
    {14, 8, {{{235, 40, 165}, {235, 40, 165}, {255, 17, 173}}}},   // a* +60
    {2, 8, {{{39, 216, 112}, {21, 166, 126}, {44, 212, 113}}}},    // a* -60
    {8, 14, {{{165, 121, 0}, {166, 112, 0}, {205, 155, 0}}}},      // b* +60
    {8, 2, {{{83, 142, 255}, {47, 126, 255}, {95, 189, 255}}}},    // b* -60
    {16, 8, {{{255, 0, 173}, {255, 0, 173}, {255, 0, 173}}}},      // a* +120
    {0, 8, {{{0, 255, 92}, {0, 224, 135}, {44, 212, 113}}}},       // a* -120
}};

// The block the worked points are given for: base color 1, all sliders 0.
inline ColorAdjustBlock WorkedPointBlock() {
  ColorAdjustBlock block{};
  block.BaseColor = 1;
  return block;
}

// Grid points (r, g, b) of that block and the bytes the driver's table must
// hold for them.
struct WorkedPoint {
  int r, g, b;
  Rgb8 rgb;
};
inline constexpr std::array<WorkedPoint, 4> kWorkedPoints = {{
    {256, 256, 256, {255, 254, 254}},  // white is not kept neutral by the defaults
    {256, 0, 0, {254, 13, 23}},
    {128, 128, 128, {128, 134, 141}},
    {64, 128, 192, {78, 159, 243}},
}};

}  // namespace velko::gen
