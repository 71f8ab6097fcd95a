// The four sample pictures of the color adjustment page's preview, drawn so
// that every slider shows its effect somewhere: skin tones, bright colors,
// sky, foliage, earth, water, white and deep shadow.
#pragma once

#include <array>
#include <string_view>

#include "tools/gen/samples/painter.h"

namespace velko::samples {

inline constexpr int kSampleWidth = 256;
inline constexpr int kSampleHeight = 192;

Picture DrawChildren();   // skin tones, bright clothing, grass and sky
Picture DrawLandscape();  // sky, foliage, fields and earth
Picture DrawYacht();      // blue water, a white sail, deep shadows
Picture DrawFruit();      // saturated reds, yellows and greens on wood

struct SampleScene {
  std::string_view file;  // as the page opens it
  Picture (*draw)();
};

// In the order of the sample list: children, landscape, yacht, fruit.
inline constexpr std::array<SampleScene, 4> kSampleScenes = {{
    {"Velko01.BMP", DrawChildren},
    {"Velko02.BMP", DrawLandscape},
    {"Velko03.BMP", DrawYacht},
    {"Velko04.BMP", DrawFruit},
}};

}  // namespace velko::samples
