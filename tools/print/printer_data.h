// Printer-data files: what `velko print` writes and `velko decode` reads.
// They hold exactly what the coders handed the driver, call by call, so
// that the page the printer would print can be rebuilt from them.
//
// A file is a header, then chunks, then an end chunk. Numbers are
// little-endian.
//
// Header, 32 bytes:
//    0  char[4] magic      "VKPD"
//    4  uint16  version    1
//    6  uint8   coder      1 quick, 2 fine, 3 fine2, 4 mono, 5 mh
//    7  uint8   reserved   0
//    8  uint32  width      pixels per row of the page
//   12  uint32  height     rows of the page
//   16  uint32  bandRows   rows per band (a multiple of the strip height;
//                          the last band is cut to the page, rounded up to
//                          whole strips); 1 for mh
//   20  uint32  stride     bytes per row of the band planes; 0 for mh
//   24  int32   padBlocks  pad records per strip
//   28  int32   convert    the color coders' convert argument; 0 otherwise
//
// Call chunk (band coders), one per coder call, in call order:
//    0  uint8   kind       1
//    1  uint8   inkFlags   InkFlags after the call (color coders; 0 for mono)
//    2  uint16  reserved   0
//    4  uint32  firstRow   page row of the call's first strip
//    8  uint32  strips     the call's result
//   12  strips + 1 bytes   StripFlags as the coder stored them (ending 0xFF)
//       ceil(strips / 8)   presence bits, strip i in bit i % 8 of byte i / 8:
//                          set when the coder stored that strip's records
//                          (flag 0; for mono also a strip continued in the
//                          next segment, which is stored with flag 1)
//       then, for each present strip in order, its (blocks per strip +
//       padBlocks) records exactly as the coder stored them.
//
// Line chunk (mh), one per page row, in row order:
//    0  uint8   kind       2 coded (xMHConvert's bytes, EOLs included) or
//                          3 raw (the row's pixels, set bit = black: lines
//                          that do not compress below their raw size)
//    1  uint8[3] reserved  0
//    4  uint32  bytes      length of what follows
//    8  the bytes
//
// End chunk: uint8 kind 0, nothing after it.
#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace velko::print {

static_assert(std::endian::native == std::endian::little, "printer-data records are written as they lie in memory");

enum class CoderKind : uint8_t { kQuick = 1, kFine = 2, kFine2 = 3, kMono = 4, kMh = 5 };

inline constexpr char kMagic[4] = {'V', 'K', 'P', 'D'};
inline constexpr uint16_t kVersion = 1;

enum class ChunkKind : uint8_t { kEnd = 0, kCall = 1, kCodedLine = 2, kRawLine = 3 };

#pragma pack(push, 1)
struct FileHeader {
  char magic[4];
  uint16_t version;
  uint8_t coder;
  uint8_t reserved;
  uint32_t width;
  uint32_t height;
  uint32_t bandRows;
  uint32_t stride;
  int32_t padBlocks;
  int32_t convert;
};
static_assert(sizeof(FileHeader) == 32);
static_assert(offsetof(FileHeader, coder) == 6 && offsetof(FileHeader, width) == 8);
static_assert(offsetof(FileHeader, bandRows) == 16 && offsetof(FileHeader, convert) == 28);

struct CallHeader {
  uint8_t kind;
  uint8_t inkFlags;
  uint16_t reserved;
  uint32_t firstRow;
  uint32_t strips;
};
static_assert(sizeof(CallHeader) == 12);
static_assert(offsetof(CallHeader, firstRow) == 4 && offsetof(CallHeader, strips) == 8);

struct LineHeader {
  uint8_t kind;
  uint8_t reserved[3];
  uint32_t bytes;
};
static_assert(sizeof(LineHeader) == 8);
static_assert(offsetof(LineHeader, bytes) == 4);
#pragma pack(pop)

// Name of a coder as the command line spells it.
std::string_view CoderName(CoderKind coder);

}  // namespace velko::print
