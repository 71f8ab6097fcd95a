// VelkoSB's five entry points, as the printer driver calls them: three color
// band coders, the monochrome tile coder and the MH line encoder. Every
// argument is 32 bits wide or a pointer; the library trusts its arguments and
// returns counts. Include this header to call libVelkoSB.so (or the static
// copy the tests link).
#pragma once

#include <cstdint>

#include "platform/export.h"

// Codes one bi-level line (set bit = black, MSB first) of WIDTH pixels into
// DST with T.4 Modified Huffman codes. Returns the code bytes stored when they
// fit in WIDTH / 8 bytes, else 0. DST must hold 2 * (WIDTH / 8) + 8 bytes.
VELKO_EXPORT uint32_t xMHConvert(const uint8_t* src, uint8_t* dst, int32_t width);

// The color band coders share one argument list:
//   padBlocks   in      white records appended to every strip
//   stripFlags  out     one byte per strip (1 blank, 0 stored), then 0xFF
//   inkFlags    in/out  bits 0..3 cleared for the inks coded; 4..7 return 0
//   red/green/blue in/out  segmented planes at row 0; coded bytes become 0xFF
//   convert     in      0 keep colors, 5 keep the six pure colors, else convert
//   out         out     records of the first strip of this call
//   bandBytes   in      stride x rows of the band
//   stride      in      bytes per row of each plane (1..65536)
//   width       in      pixels per row to code
//   nextRow     in/out  first row of this call; advanced past the coded strips
//   table       in      17 x 17 x 17 x 3 color table (read when convert != 0)
// Each returns the number of strips it coded.

// Two colors and a one-bit choice per 4 x 4 block (8-byte records).
VELKO_EXPORT uint32_t xbicolquick(int32_t padBlocks, uint8_t* stripFlags, uint8_t* inkFlags, uint8_t* red,
                                  uint8_t* green, uint8_t* blue, int32_t convert, uint8_t* out,
                                  uint32_t bandBytes, uint32_t stride, int32_t width, int32_t* nextRow,
                                  const uint8_t* table);

// Four colors and a two-bit choice per 4 x 4 block (16-byte records).
VELKO_EXPORT uint32_t xbicolfine(int32_t padBlocks, uint8_t* stripFlags, uint8_t* inkFlags, uint8_t* red,
                                 uint8_t* green, uint8_t* blue, int32_t convert, uint8_t* out,
                                 uint32_t bandBytes, uint32_t stride, int32_t width, int32_t* nextRow,
                                 const uint8_t* table);

// Four colors and a two-bit choice per 8 x 8 block (28-byte records).
VELKO_EXPORT uint32_t xbicolfine2(int32_t padBlocks, uint8_t* stripFlags, uint8_t* inkFlags, uint8_t* red,
                                  uint8_t* green, uint8_t* blue, int32_t convert, uint8_t* out,
                                  uint32_t bandBytes, uint32_t stride, int32_t width, int32_t* nextRow,
                                  const uint8_t* table);

// Regroups a 1-bit band (set bit = white) into inverted 8 x 8 tiles:
//   padBlocks, stripFlags, out, bandBytes, stride, width, nextRow as above;
//   bits        in/out  the segmented band at row 0; coded bytes become 0xFF
// Returns the strips coded (0 when fewer than 8 rows remain).
VELKO_EXPORT uint32_t xmonoblk(int32_t padBlocks, uint8_t* stripFlags, uint8_t* bits, uint8_t* out,
                               uint32_t bandBytes, uint32_t stride, int32_t width, int32_t* nextRow);
