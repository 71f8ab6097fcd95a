// BMP files of the generated pictures: 24-bit for bitmaps, 4-bit with the
// standard 16-colour palette where a picture is defined in 16 colours, and
// 32-bit with an alpha byte for icons (transparent surround).
#pragma once

#include <cstdint>
#include <vector>

#include "tools/gen/resources/canvas.h"

namespace velko::resgen {

std::vector<uint8_t> EncodeBmp24(const Canvas& canvas);
// Every pixel must be one of the 16 standard colours (throws otherwise).
std::vector<uint8_t> EncodeBmp4(const Canvas& canvas);
// Alpha 255 where the canvas is opaque, 0 elsewhere.
std::vector<uint8_t> EncodeBmp32(const Canvas& canvas);

// The 16 colours of the standard VGA palette, in palette order.
inline constexpr Rgb kVgaPalette[16] = {
    0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080, 0x008080, 0xC0C0C0,
    0x808080, 0xFF0000, 0x00FF00, 0xFFFF00, 0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF,
};

}  // namespace velko::resgen
