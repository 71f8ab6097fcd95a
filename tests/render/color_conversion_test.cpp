// Conversion of the coded colors through the color table: which colors are
// converted for each `convert` value, the trilinear arithmetic against an
// independent reference over many colors, and the cache being rebuilt by
// every converting call.
#include <gtest/gtest.h>

#include <random>

#include "tests/render/block_case.h"

namespace velko::sb::test {
namespace {

constexpr std::size_t kTableBytes = 17 * 17 * 17 * 3;

std::size_t GridOffset(int i, int j, int k) { return 3 * std::size_t(289 * i + 17 * j + k); }

// Device color = (green, blue, red) of the input, exact below 240.
std::vector<uint8_t> RotatingTable() {
  std::vector<uint8_t> table(kTableBytes);
  for (int i = 0; i < 17; ++i) {
    for (int j = 0; j < 17; ++j) {
      for (int k = 0; k < 17; ++k) {
        const std::size_t at = GridOffset(i, j, k);
        table[at] = uint8_t(std::min(16 * j, 255));
        table[at + 1] = uint8_t(std::min(16 * k, 255));
        table[at + 2] = uint8_t(std::min(16 * i, 255));
      }
    }
  }
  return table;
}

std::vector<uint8_t> RandomTable(uint32_t seed) {
  std::mt19937 rng(seed);
  std::vector<uint8_t> table(kTableBytes);
  for (auto& b : table) b = uint8_t(rng());
  return table;
}

// The lookup written out the long way: eight corners, each weighted by the
// product of its three axis factors, the sum divided by 4096.
Pixel ReferenceLookup(const std::vector<uint8_t>& table, Pixel in) {
  const int v[3] = {in.r, in.g, in.b};
  int sum[3] = {0, 0, 0};
  for (int di = 0; di < 2; ++di) {
    for (int dj = 0; dj < 2; ++dj) {
      for (int dk = 0; dk < 2; ++dk) {
        const int d[3] = {di, dj, dk};
        int weight = 1;
        for (int a = 0; a < 3; ++a) weight *= d[a] ? (v[a] & 15) : 16 - (v[a] & 15);
        const std::size_t at = GridOffset((v[0] >> 4) + di, (v[1] >> 4) + dj, (v[2] >> 4) + dk);
        for (int c = 0; c < 3; ++c) sum[c] += weight * table[at + std::size_t(c)];
      }
    }
  }
  return Pixel{uint8_t(sum[0] / 4096), uint8_t(sum[1] / 4096), uint8_t(sum[2] / 4096)};
}

uint8_t InkBits(Pixel p) {
  return uint8_t((p.r != 255 ? 4 : 0) | (p.g != 255 ? 2 : 0) | (p.b != 255 ? 1 : 0));
}

struct ConvertCase {
  const char* what;
  Pixel color;  // of a uniform quick block: color A
  int32_t convert;
  Pixel stored;
  friend void PrintTo(const ConvertCase& c, std::ostream* os) { *os << c.what; }
};

const ConvertCase kConvertCases[] = {
    {"convert 0 keeps the color", {200, 100, 50}, 0, {200, 100, 50}},
    {"convert 1 converts", {200, 100, 50}, 1, {100, 50, 200}},
    {"top cell uses 15/16 of the last point", {250, 100, 50}, 1, {100, 50, 249}},
    {"convert 1 converts pure red", {255, 0, 0}, 1, {0, 0, 254}},
    {"convert 5 keeps pure red", {255, 0, 0}, 5, {255, 0, 0}},
    {"convert 5 keeps cyan", {0, 255, 255}, 5, {0, 255, 255}},
    {"convert 5 keeps yellow", {255, 255, 0}, 5, {255, 255, 0}},
    {"convert 5 converts other colors", {200, 100, 50}, 5, {100, 50, 200}},
    {"convert 5 converts near-white", {254, 254, 254}, 5, {253, 253, 253}},
    {"any other value converts", {200, 100, 50}, -3, {100, 50, 200}},
};

class RenderConvertValues : public ::testing::TestWithParam<ConvertCase> {};

TEST_P(RenderConvertValues, StoredColor) {
  const ConvertCase& c = GetParam();
  const auto table = RotatingTable();
  const CodedBlock coded = CodeOneBlock(kQuick, {{0, 15, c.color}}, 1, c.convert, table.data());
  EXPECT_EQ((Pixel{coded.record[0], coded.record[1], coded.record[2]}), c.stored);
  EXPECT_EQ(coded.record[3] | coded.record[4] | coded.record[5], 0) << "the black placeholder is not converted";
  EXPECT_EQ(coded.inkFlags, 0x0F & ~InkBits(c.color)) << "ink bits come from the color before conversion";
}

INSTANTIATE_TEST_SUITE_P(Cases, RenderConvertValues, ::testing::ValuesIn(kConvertCases), [](const auto& info) {
  std::string name = info.param.what;
  for (char& ch : name) {
    if (!std::isalnum(static_cast<unsigned char>(ch))) ch = '_';
  }
  return name;
});

TEST(RenderConversion, BlackAndWhiteAreNeverConverted) {
  // The rotating table would turn white into 254, 254, 254.
  const auto table = RotatingTable();
  for (const ColorCoder* coder : {&kQuick, &kFine, &kFine2}) {
    const CodedBlock plain = CodeOneBlock(*coder, {{0, 0, K}});
    const CodedBlock converted = CodeOneBlock(*coder, {{0, 0, K}}, 1, 1, table.data());
    EXPECT_EQ(converted.record, plain.record) << coder->name;
  }
}

// Coded colors per record: quick 2 colors, fine 4.
std::vector<Pixel> RecordColors(const ColorCoder& coder, const uint8_t* record) {
  const int colors = coder.shape.recordBytes == 8 ? 2 : 4;
  std::vector<Pixel> out;
  for (int c = 0; c < colors; ++c) out.push_back({record[3 * c], record[3 * c + 1], record[3 * c + 2]});
  return out;
}

// A photo-like band: smooth gradients with noise, some white, black and
// pure colors, coded without and with conversion. Every converted color
// must be the reference lookup of the unconverted one; the choice bytes
// must not change.
TEST(RenderConversion, MatchesReferenceOverManyColors) {
  const auto table = RandomTable(7);
  for (const ColorCoder* coder : {&kQuick, &kFine, &kFine2}) {
    const uint32_t width = 256, rows = 8;
    ColorBand plainBand(width, rows), convertedBand(width, rows);
    std::mt19937 rng(11);
    for (uint32_t y = 0; y < rows; ++y) {
      for (uint32_t x = 0; x < width; ++x) {
        Pixel p{uint8_t(x + rng() % 24), uint8_t(y * 20 + rng() % 8), uint8_t(255 - x / 2)};
        if (x % 50 == 7) p = W;
        if (x % 64 == 9) p = K;
        if (x % 77 == 3) p = {255, 0, 255};
        plainBand.Set(x, y, p);
        convertedBand.Set(x, y, p);
      }
    }
    const ColorCallSetup base{.width = int32_t(width), .bandRows = rows};
    ColorCallSetup converting = base;
    converting.convert = 1;
    converting.table = table.data();
    const CallResult plain = CallColorCoder(*coder, plainBand, base);
    const CallResult converted = CallColorCoder(*coder, convertedBand, converting);
    ASSERT_EQ(plain.strips, converted.strips);
    std::vector<uint8_t> allStored(plain.strips, 0);
    allStored.push_back(0xFF);
    ASSERT_EQ(plain.flags, allStored) << "no blank strip in this band";
    int checked = 0;
    const std::size_t stored = plain.strips * (width / coder->shape.blockSize) * coder->shape.recordBytes;
    for (std::size_t at = 0; at < stored; at += coder->shape.recordBytes) {
      const auto before = RecordColors(*coder, &plain.out[at]);
      const auto after = RecordColors(*coder, &converted.out[at]);
      for (std::size_t c = 0; c < before.size(); ++c) {
        const bool kept = before[c] == K || before[c] == W;
        EXPECT_EQ(after[c], kept ? before[c] : ReferenceLookup(table, before[c])) << coder->name << " at " << at;
        checked += kept ? 0 : 1;
      }
      const std::size_t choice = before.size() * 3;
      EXPECT_TRUE(std::equal(&plain.out[at + choice], &plain.out[at + coder->shape.recordBytes],
                             &converted.out[at + choice]));
    }
    EXPECT_GT(checked, 50) << coder->name;
  }
}

// The coder may keep its last cube and color between blocks but never
// between calls: a second converting call over a changed table at the same
// address must see the change, for the same color and for another color of
// the same grid cube.
TEST(RenderConversion, EveryConvertingCallStartsAFreshCache) {
  for (const ColorCoder* coder : {&kQuick, &kFine, &kFine2}) {
    auto table = RandomTable(1);
    const Pixel first{100, 100, 100}, sameCube{101, 102, 103};
    CodeOneBlock(*coder, {{0, 0, first}, {1, 1, sameCube}}, 1, 1, table.data());
    const auto changed = RandomTable(2);
    std::copy(changed.begin(), changed.end(), table.begin());
    for (const Pixel color : {first, sameCube}) {
      const CodedBlock coded = CodeOneBlock(*coder, {{0, int(coder->shape.blockSize * coder->shape.blockSize) - 1, color}},
                                            1, 1, table.data());
      EXPECT_EQ((Pixel{coded.record[0], coded.record[1], coded.record[2]}), ReferenceLookup(table, color))
          << coder->name;
    }
  }
}

}  // namespace
}  // namespace velko::sb::test
