// The picture generators behind a description's "bitmaps" and "icons":
// each entry names a generator ("draw") and its parameters.
//
//   wordmark      size [w, h], ink "#RRGGBB", text (default "Velko"): the word
//                 mark in the built-in font, as large as fits, centred on white
//   gradient      size, rows [[stop colours...], ...]: horizontal ramps through
//                 evenly spaced stops, one band per row, the end pixels exact
//   contrast      size, pairs: dark and light gray patch pairs whose contrast
//                 grows from left to right, the last pair black and white
//   density_bars  size, ink: 16-colour bars of the ink that grow wider from left
//                 to right on white, clear of the top-left corner
//   watermark     text, scale, outline (0 filled, else the outline's width):
//                 black capitals on white
//   sheet         orientation, grid [cols, rows], labels, selected: a sheet with
//                 its pages numbered; "selected" adds a red frame (icons)
//   feed          orientation: a sheet with an arrow along the feed direction
//   mode          kind documents|photo|mixed|graytext|tools: a color mode picture
// Bitmaps are 24-bit BMP files (density bars 4-bit), icons 32 x 32 32-bit BMP
// files with alpha 0 around the picture.
#pragma once

#include <string>

#include <nlohmann/json.hpp>

#include "tools/gen/resources/description.h"

namespace velko::resgen {

Image GenerateImage(const nlohmann::json& entry, ImageKind kind, const std::string& where);

}  // namespace velko::resgen
