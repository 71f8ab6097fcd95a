// The calling loops. A band is coded by calls that each start at the row
// index the previous one left, with output and flag areas sized by the
// strips-per-call rule; a call's stored strips are copied to the file as
// they lie in the output area.
#include "tools/print/page_printer.h"

#include <cstring>
#include <string>

#include "render/band_geometry.h"
#include "render/velko_sb.h"
#include "tools/print/band_layout.h"
#include "tools/print/bilevel.h"
#include "tools/print/print_error.h"

namespace velko::print {
namespace {

using ColorCoderFn = decltype(&xbicolquick);

const sb::CoderShape& ShapeOf(CoderKind coder) {
  switch (coder) {
    case CoderKind::kQuick: return sb::kQuickShape;
    case CoderKind::kFine: return sb::kFineShape;
    case CoderKind::kFine2: return sb::kFine2Shape;
    default: return sb::kMonoShape;
  }
}

ColorCoderFn ColorCoderOf(CoderKind coder) {
  switch (coder) {
    case CoderKind::kQuick: return &xbicolquick;
    case CoderKind::kFine: return &xbicolfine;
    default: return &xbicolfine2;
  }
}

// Appends bytes by resizing and copying (GCC 12 warns wrongly about
// vector::insert of a few bytes at -O3).
void AppendBytes(std::vector<uint8_t>& out, const void* bytes, std::size_t size) {
  const std::size_t at = out.size();
  out.resize(at + size);
  if (size > 0) std::memcpy(out.data() + at, bytes, size);
}

template <class T>
void Append(std::vector<uint8_t>& out, const T& value) {
  AppendBytes(out, &value, sizeof value);
}

void AppendHeader(std::vector<uint8_t>& out, const RgbImage& page, const PrintOptions& options,
                  uint32_t bandRows, uint32_t stride, int32_t convert) {
  FileHeader header{};
  std::memcpy(header.magic, kMagic, sizeof header.magic);
  header.version = kVersion;
  header.coder = uint8_t(options.coder);
  header.width = page.width();
  header.height = page.height();
  header.bandRows = bandRows;
  header.stride = stride;
  header.padBlocks = options.padBlocks;
  header.convert = convert;
  Append(out, header);
}

// One call's chunk: header, flags, presence bits and the present strips.
void AppendCall(PrintSummary& summary, uint8_t inkFlags, uint32_t firstRow, uint32_t strips,
                const std::vector<uint8_t>& flags, const std::vector<bool>& present, const uint8_t* out,
                std::size_t stripBytes) {
  std::vector<uint8_t>& data = summary.data;
  Append(data, CallHeader{uint8_t(ChunkKind::kCall), inkFlags, 0, firstRow, strips});
  AppendBytes(data, flags.data(), strips + 1);
  std::vector<uint8_t> bits((strips + 7) / 8, 0);
  for (uint32_t i = 0; i < strips; ++i) {
    if (present[i]) bits[i / 8] |= uint8_t(1u << (i % 8));
  }
  AppendBytes(data, bits.data(), bits.size());
  for (uint32_t i = 0; i < strips; ++i) {
    if (present[i]) {
      AppendBytes(data, out + i * stripBytes, stripBytes);
      ++summary.storedStrips;
    } else {
      ++summary.blankStrips;
    }
  }
  ++summary.calls;
}

// Room for the most strips any call of this geometry can code.
std::size_t MostStripsPerCall(const sb::CoderShape& shape, uint32_t stride) {
  return sb::kTwoSegmentBytes / stride / shape.blockSize + 1;
}

void PrintColor(const RgbImage& page, const PrintOptions& options, const uint8_t* table, PrintSummary& summary) {
  const sb::CoderShape& shape = ShapeOf(options.coder);
  const ColorCoderFn coder = ColorCoderOf(options.coder);
  const BandGeometry geometry = PlanBands(options.coder, page.width());
  AppendHeader(summary.data, page, options, geometry.bandRows, geometry.stride, options.convert);
  const int32_t width = int32_t(page.width());
  const std::size_t stripBytes = std::size_t(sb::StripOutputBytes(shape, width, options.padBlocks));
  const std::size_t mostStrips = MostStripsPerCall(shape, geometry.stride);
  std::vector<uint8_t> out(mostStrips * stripBytes), flags(mostStrips + 1);
  ColorBand band(geometry);
  uint8_t inkFlags = 0x0F;  // set at the start of the page; the coders clear them
  for (uint32_t bandStart = 0; bandStart < page.height(); bandStart += geometry.bandRows) {
    const uint32_t rows = geometry.RowsOfBand(bandStart, page.height());
    band.Fill(page, bandStart, rows);
    const uint32_t bandBytes = geometry.stride * rows;
    int32_t nextRow = 0;
    while (uint32_t(nextRow) < rows) {
      const int32_t firstRow = nextRow;
      const uint32_t strips = coder(options.padBlocks, flags.data(), &inkFlags, band.Plane(0), band.Plane(1),
                                    band.Plane(2), options.convert, out.data(), bandBytes, geometry.stride, width,
                                    &nextRow, table);
      if (strips == 0) throw PrintError("the coder made no progress (page too wide for its output limit)");
      std::vector<bool> present(strips);
      for (uint32_t i = 0; i < strips; ++i) present[i] = flags[i] == 0;
      AppendCall(summary, inkFlags, bandStart + uint32_t(firstRow), strips, flags, present, out.data(), stripBytes);
    }
  }
}

void PrintMono(const RgbImage& page, const PrintOptions& options, PrintSummary& summary) {
  const BandGeometry geometry = PlanBands(CoderKind::kMono, page.width());
  AppendHeader(summary.data, page, options, geometry.bandRows, geometry.stride, 0);
  const int32_t width = int32_t(page.width());
  const std::size_t stripBytes = std::size_t(sb::StripOutputBytes(sb::kMonoShape, width, options.padBlocks));
  const std::size_t mostStrips = MostStripsPerCall(sb::kMonoShape, geometry.stride);
  std::vector<uint8_t> out(mostStrips * stripBytes), flags(mostStrips + 1);
  const uint32_t rowsPerSegment = sb::RowsPerSegment(geometry.stride);
  MonoBand band(geometry);
  for (uint32_t bandStart = 0; bandStart < page.height(); bandStart += geometry.bandRows) {
    const uint32_t rows = geometry.RowsOfBand(bandStart, page.height());
    band.Fill(page, bandStart, rows);
    int32_t nextRow = 0;
    while (uint32_t(nextRow) < rows) {
      const int32_t firstRow = nextRow;
      const uint32_t strips = xmonoblk(options.padBlocks, flags.data(), band.Bits(), out.data(),
                                       geometry.stride * rows, geometry.stride, width, &nextRow);
      if (strips == 0) throw PrintError("the mono coder made no progress (page too wide for its output limit)");
      // A strip continued in the next segment is stored even when blank.
      std::vector<bool> present(strips);
      for (uint32_t i = 0; i < strips; ++i) {
        const uint32_t row = uint32_t(firstRow) + 8 * i;
        present[i] = flags[i] == 0 || row % rowsPerSegment + 8 > rowsPerSegment;
      }
      AppendCall(summary, 0, bandStart + uint32_t(firstRow), strips, flags, present, out.data(), stripBytes);
    }
  }
}

void PrintLines(const RgbImage& page, const PrintOptions& options, PrintSummary& summary) {
  AppendHeader(summary.data, page, options, 1, 0, 0);
  const std::size_t rowBytes = BilevelRowBytes(page.width());
  const std::size_t limit = page.width() / 8;
  std::vector<uint8_t> row(rowBytes), code(2 * limit + 8);
  for (uint32_t y = 0; y < page.height(); ++y) {
    BilevelRow(page, y, row);
    const uint32_t bytes = xMHConvert(row.data(), code.data(), int32_t(page.width()));
    // 0 does not fit; exactly the raw size carries no EOL and has lost its
    // last bits: such lines go raw.
    const bool coded = bytes > 0 && bytes < limit;
    const auto& payload = coded ? code : row;
    const uint32_t length = coded ? bytes : uint32_t(rowBytes);
    Append(summary.data, LineHeader{uint8_t(coded ? ChunkKind::kCodedLine : ChunkKind::kRawLine), {0, 0, 0}, length});
    AppendBytes(summary.data, payload.data(), length);
    ++(coded ? summary.codedLines : summary.rawLines);
  }
}

}  // namespace

std::string_view CoderName(CoderKind coder) {
  switch (coder) {
    case CoderKind::kQuick: return "quick";
    case CoderKind::kFine: return "fine";
    case CoderKind::kFine2: return "fine2";
    case CoderKind::kMono: return "mono";
    case CoderKind::kMh: return "mh";
  }
  return "?";
}

void CheckPageFits(uint32_t width, const PrintOptions& options) {
  if (options.coder == CoderKind::kMh) return;
  if (options.padBlocks < 0) throw PrintError("the pad count must not be negative");
  const sb::CoderShape& shape = ShapeOf(options.coder);
  // The band rows must fit a 64 KB segment too.
  const uint32_t stride = PlanBands(options.coder, width).stride;
  const uint64_t stripBytes = sb::StripOutputBytes(shape, int32_t(width), options.padBlocks);
  if (stripBytes >= sb::kOutputLimit || stride > sb::kSegmentBytes) {
    // The widest page whose strip (blocks plus pad records) stays below the limit.
    const uint64_t records = (sb::kOutputLimit - 1) / shape.recordBytes;
    const uint64_t widest = records > uint64_t(options.padBlocks) ? (records - uint64_t(options.padBlocks)) * shape.blockSize : 0;
    throw PrintError("the page is " + std::to_string(width) + " pixels wide; one strip of the " +
                     std::string(CoderName(options.coder)) + " coder would take " + std::to_string(stripBytes) +
                     " bytes of records, at or above the 65536-byte limit of a call; with " +
                     std::to_string(options.padBlocks) + " pad records this coder takes pages up to " +
                     std::to_string(widest) + " pixels wide");
  }
}

PrintSummary PrintPage(const RgbImage& page, const PrintOptions& options,
                       std::span<const uint8_t, kColorTableBytes> table) {
  CheckPageFits(page.width(), options);
  PrintSummary summary;
  switch (options.coder) {
    case CoderKind::kMono: PrintMono(page, options, summary); break;
    case CoderKind::kMh: PrintLines(page, options, summary); break;
    default: PrintColor(page, options, table.data(), summary); break;
  }
  summary.data.push_back(uint8_t(ChunkKind::kEnd));
  return summary;
}

}  // namespace velko::print
