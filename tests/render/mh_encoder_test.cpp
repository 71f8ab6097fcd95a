// xMHConvert: the worked lines, the run lengths around every code-table
// boundary (expected codes spelled out here as T.4 prints them), runs above
// 2560, the limit tested after each run, the EOL codes only when the line
// stays short, and nothing carried from one line to the next.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "render/velko_sb.h"
#include "tests/render/band_fixture.h"

namespace velko::sb::test {
namespace {

// Bytes of a string of code bits, the last byte padded with zeros.
std::vector<uint8_t> PackBits(const std::string& bits) {
  std::vector<uint8_t> bytes((bits.size() + 7) / 8, 0);
  for (std::size_t i = 0; i < bits.size(); ++i) {
    if (bits[i] == '1') bytes[i / 8] |= uint8_t(0x80 >> (i % 8));
  }
  return bytes;
}

// A line of pixels given as runs, white first; set bit = black.
std::vector<uint8_t> LineOfRuns(const std::vector<int>& runs, int width) {
  std::vector<uint8_t> line((width + 7) / 8, 0);
  int x = 0;
  bool black = false;
  for (int run : runs) {
    for (int i = 0; i < run; ++i, ++x) {
      if (black) line[x / 8] |= uint8_t(0x80 >> (x % 8));
    }
    black = !black;
  }
  return line;
}

struct Coded {
  uint32_t result;
  std::vector<uint8_t> dst;
};

Coded Encode(const std::vector<uint8_t>& line, int32_t width) {
  Coded coded{0, std::vector<uint8_t>(2 * std::max(width / 8, 0) + 8, kSentinel)};
  coded.result = xMHConvert(line.data(), coded.dst.data(), width);
  return coded;
}

std::vector<uint8_t> Head(const Coded& coded, std::size_t n) {
  return std::vector<uint8_t>(coded.dst.begin(), coded.dst.begin() + long(n));
}

struct WorkedLine {
  const char* what;
  std::vector<uint8_t> line;
  int32_t width;
  std::vector<uint8_t> expected;  // stored bytes; the result is their count
  friend void PrintTo(const WorkedLine& c, std::ostream* os) { *os << c.what; }
};

std::vector<uint8_t> Repeat(uint8_t byte, std::size_t n) { return std::vector<uint8_t>(n, byte); }

const WorkedLine kWorkedLines[] = {
    {"64 white", Repeat(0x00, 8), 64, Bytes({0xD9, 0xA8, 0x00, 0x80, 0x08})},
    {"white 4 black 4 white 56", Bytes({0x0F, 0, 0, 0, 0, 0, 0, 0}), 64, Bytes({0xB6, 0xB2, 0x00, 0x20, 0x02})},
    {"64 black", Repeat(0xFF, 8), 64, Bytes({0x35, 0x03, 0xC3, 0x70, 0x01, 0x00, 0x10})},
    {"6400 white", Repeat(0x00, 800), 6400,
     Bytes({0x01, 0xF3, 0x50, 0xDC, 0x07, 0xCD, 0x43, 0x76, 0xC9, 0xA8, 0x00, 0x80, 0x08})},
    // Codes filling exactly width / 8 bytes: no EOL, the 3 pending bits dropped.
    {"fills the raw size", Bytes({0x3C}), 8, Bytes({0x76})},
};

class RenderMhWorkedLines : public ::testing::TestWithParam<WorkedLine> {};

TEST_P(RenderMhWorkedLines, Bytes) {
  const WorkedLine& w = GetParam();
  const Coded coded = Encode(w.line, w.width);
  EXPECT_EQ(coded.result, w.expected.size());
  EXPECT_EQ(Head(coded, w.expected.size()), w.expected);
  EXPECT_EQ(coded.dst[w.expected.size()], kSentinel) << "nothing stored past the result";
}

INSTANTIATE_TEST_SUITE_P(Lines, RenderMhWorkedLines, ::testing::ValuesIn(kWorkedLines), [](const auto& info) {
  std::string name = info.param.what;
  for (char& ch : name) {
    if (!std::isalnum(static_cast<unsigned char>(ch))) ch = '_';
  }
  return name;
});

// Codes used below, copied from the T.4 tables.
const std::string kW0 = "00110101", kW1 = "000111", kW7 = "1111", kW8 = "10011", kW63 = "00110100";
const std::string kB0 = "0000110111", kB1 = "010", kB7 = "00011", kB8 = "000101", kB63 = "000001100111";
const std::string kEol = "000000000001";

struct RunCase {
  const char* what;
  int run;
  bool black;            // the run is black (the line opens with an empty white run)
  std::string runCodes;  // the codes of the run alone
  friend void PrintTo(const RunCase& c, std::ostream* os) { *os << c.what; }
};

// Each line is the run, then the other color up to the next whole byte (1
// to 8 pixels), then the two EOLs.
const RunCase kRunCases[] = {
    {"white 63: one terminating code", 63, false, kW63},
    {"white 64: make-up 64 and terminating 0", 64, false, "11011" + kW0},
    {"white 1727: make-up 1664 and terminating 63", 1727, false, "011000" + kW63},
    {"white 1728: make-up 1728 and terminating 0", 1728, false, "010011011" + kW0},
    {"white 1791: make-up 1728 and terminating 63", 1791, false, "010011011" + kW63},
    {"white 1792: extended make-up 1792", 1792, false, "00000001000" + kW0},
    {"white 2559: extended make-up 2496", 2559, false, "000000011110" + kW63},
    {"white 2560: extended make-up 2560", 2560, false, "000000011111" + kW0},
    {"white 2561: a closed 2560 piece and an empty black run", 2561, false, "000000011111" + kW0 + kB0 + kW1},
    {"white 5121: two pieces", 5121, false, "000000011111" + kW0 + kB0 + "000000011111" + kW0 + kB0 + kW1},
    {"black 63", 63, true, kB63},
    {"black 64: make-up 64 and terminating 0", 64, true, "0000001111" + kB0},
    {"black 1728", 1728, true, "0000001100101" + kB0},
    {"black 2561: a closed 2560 piece and an empty white run", 2561, true, "000000011111" + kB0 + kW0 + kB1},
};

class RenderMhRunLengths : public ::testing::TestWithParam<RunCase> {};

TEST_P(RenderMhRunLengths, Codes) {
  const RunCase& c = GetParam();
  const int width = (c.run + 8) / 8 * 8;
  const int tail = width - c.run;
  const std::string tailWhite[] = {"", kW1, "", "", "", "", "", kW7, kW8};
  const std::string tailBlack[] = {"", kB1, "", "", "", "", "", kB7, kB8};
  ASSERT_TRUE(tail == 1 || tail == 7 || tail == 8) << "the table above covers these tails";
  const std::string bits =
      c.black ? kW0 + c.runCodes + tailWhite[tail] + kEol + kEol : c.runCodes + tailBlack[tail] + kEol + kEol;
  const auto line = c.black ? LineOfRuns({0, c.run, tail}, width) : LineOfRuns({c.run, tail}, width);
  const Coded coded = Encode(line, width);
  const auto expected = PackBits(bits);
  EXPECT_EQ(coded.result, expected.size());
  EXPECT_EQ(Head(coded, expected.size()), expected);
}

INSTANTIATE_TEST_SUITE_P(Runs, RenderMhRunLengths, ::testing::ValuesIn(kRunCases), [](const auto& info) {
  std::string name = info.param.what;
  name = name.substr(0, name.find(':'));
  for (char& ch : name) {
    if (!std::isalnum(static_cast<unsigned char>(ch))) ch = '_';
  }
  return name;
});

TEST(RenderMhLimits, NoPixelsCodeNothing) {
  const std::vector<uint8_t> line(8, 0x00);
  for (const int32_t width : {0, -1, -64, INT32_MIN}) {
    const Coded coded = Encode(line, width);
    EXPECT_EQ(coded.result, 0u);
    EXPECT_EQ(coded.dst, std::vector<uint8_t>(coded.dst.size(), kSentinel)) << "dst untouched for " << width;
  }
}

TEST(RenderMhLimits, LinesThatDoNotFitReturnZero) {
  // 5 code bits plus 24 EOL bits do not fit one byte.
  EXPECT_EQ(Encode(Bytes({0x00}), 8).result, 0u);
  // Alternating pixels cost more than a bit each.
  EXPECT_EQ(Encode(Repeat(0xAA, 100), 800).result, 0u);
  // Under 8 pixels the limit is 0 bytes.
  EXPECT_EQ(Encode(Bytes({0x00}), 5).result, 0u);
}

// White 5, black 5, white 54: 16 code bits and two EOLs end on a byte
// boundary; the empty last byte is still stored, as 0, but not counted.
TEST(RenderMhLimits, EmptyLastByteIsStoredButNotCounted) {
  const Coded coded = Encode(LineOfRuns({5, 5, 54}, 64), 64);
  EXPECT_EQ(coded.result, 5u);
  EXPECT_EQ(Head(coded, 6), Bytes({0xC3, 0x25, 0x00, 0x10, 0x01, 0x00}));
  EXPECT_EQ(coded.dst[6], kSentinel);
}

TEST(RenderMhLimits, BlackFirstPixelOpensWithAnEmptyWhiteRun) {
  const Coded coded = Encode(LineOfRuns({0, 1, 63}, 64), 64);
  ASSERT_GT(coded.result, 0u);
  EXPECT_EQ(coded.dst[0], 0x35);
}

TEST(RenderMhLimits, NothingCarriesOverBetweenLines) {
  const auto text = LineOfRuns({10, 3, 200, 17, 40, 2, 1, 1, 500, 20}, 1024);
  const Coded first = Encode(text, 1024);
  Encode(Repeat(0xFF, 128), 1024);  // a line ending in black, with pending bits
  const Coded again = Encode(text, 1024);
  ASSERT_GT(first.result, 0u);
  EXPECT_EQ(first.result, again.result);
  EXPECT_EQ(Head(first, first.result), Head(again, again.result));
}

// Pixels past WIDTH in the last byte are not coded: the run ends at WIDTH.
TEST(RenderMhLimits, PixelsPastTheWidthAreNotCoded) {
  auto line = Repeat(0x00, 128);
  const Coded plain = Encode(line, 1020);
  line[127] = 0x0F;
  const Coded withTail = Encode(line, 1020);
  ASSERT_GT(plain.result, 0u);
  EXPECT_EQ(withTail.result, plain.result);
  EXPECT_EQ(withTail.dst, plain.dst);
}

}  // namespace
}  // namespace velko::sb::test
