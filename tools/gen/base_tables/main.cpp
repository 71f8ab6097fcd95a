// gen_base_tables: writes the printer's three L*a*b*-to-device base tables
// (base_normal.bin, base_document.bin, base_photo.bin, 14,739 bytes each)
// into the folder given. Deterministic: the same bytes on every run.
//
// The model. Each table maps a node (L*, a*, b*) to device RGB in four steps:
//  1. Rendering character of the table: chroma gain, hue turn and a lightness
//     shift of saturated colors, each given on the four hue axes and blended
//     around the hue circle (printer_model.h).
//  2. Colorimetry of the printer: L*a*b* (D50) to XYZ to the linear signal of
//     three additive device primaries that mix to the paper white. A color
//     near or beyond the gamut is moved toward mid-gray (L* 50) on a line of
//     constant hue, softly (tanh knee) so saturated colors keep their order:
//     hue is kept while chroma and, beyond paper white or black, lightness
//     give way.
//  3. Gray balance: each channel's signal, as a lightness, goes through a
//     monotone cubic through the measured neutral axis, so a* = b* = 0 gives
//     exactly the measured neutral bytes and every channel rises with L*.
//  4. Measured correction: what the model misses at the entries measured at
//     L* = 52 (and, for the normal table, at the two chromatic worked points)
//     is added back as a sum of Gaussians (radius 36 in L*a*b*) that passes
//     through each of them and is zero on the neutral axis.
// The bytes are then rounded, the neutral axis and the measured entries set
// exactly, and every column of constant a*, b* made to rise with L* (less ink
// as L* rises). In the normal table the neighbourhoods of the default block's
// worked grid points are then fitted, first with a smooth bump, then at the
// corners of their cells, so that the driver's truncated result is the
// required byte (worked_fit.h). Every table is checked before it is written.
//
// The model's constants (primaries, per-table character) were fitted once by
// least squares to the measured entries and are kept as data.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <stdexcept>

#include <fmt/format.h>

#include "base_table_builder.h"
#include "table_checks.h"
#include "worked_fit.h"

namespace {

using namespace velko::gen;

void WriteTable(const std::filesystem::path& path, const BaseTableBytes& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  out.close();
  if (!out) throw std::runtime_error(fmt::format("{}: cannot write", path.string()));
}

int Run(const std::filesystem::path& folder) {
  bool sound = true;
  for (int t = 0; t < kTableCount; ++t) {
    const auto table = static_cast<TableId>(t);
    BaseTableBytes bytes = BuildBaseTable(table);
    if (table == kNormal) {
      const FitSummary fit = FitWorkedPoints(bytes, FixedNodes(table));
      fmt::print("{}: worked-point fit changed {} bytes, none by more than {}\n",
                 kTableFileNames[t], fit.changedBytes, fit.largestChange);
    }
    for (const std::string& error : CheckBaseTable(table, bytes)) {
      fmt::print(stderr, "gen_base_tables: {}: {}\n", kTableFileNames[t], error);
      sound = false;
    }
    fmt::print("{}: largest step between neighbouring nodes {}\n", kTableFileNames[t],
               LargestNeighbourStep(bytes));
    WriteTable(folder / kTableFileNames[t], bytes);
  }
  return sound ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fputs("usage: gen_base_tables OUTPUT_FOLDER\n", stderr);
    return 2;
  }
  try {
    return Run(argv[1]);
  } catch (const std::exception& e) {
    fmt::print(stderr, "gen_base_tables: {}\n", e.what());
    return 1;
  }
}
