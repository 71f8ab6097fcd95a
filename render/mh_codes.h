// The one-dimensional run-length codes of ITU-T T.4 (Modified Huffman), kept
// as the bit strings the Recommendation prints, and the tables the encoder
// reads, derived from them at compile time: one code per run length 0..2560
// and color (make-up and terminating code joined), plus the piece that closes
// each 2560 pixels of a longer run.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace velko::sb::mh {

// A code right-aligned in `bits` (its last bit in bit 0), `length` bits long.
struct Code {
  uint32_t bits = 0;
  uint32_t length = 0;
};

constexpr Code ParseCode(std::string_view text) {
  Code code;
  for (char c : text) {
    code.bits = code.bits << 1 | (c == '1' ? 1u : 0u);
    ++code.length;
  }
  return code;
}

// Terminating codes, run lengths 0..63.
inline constexpr std::array<std::string_view, 64> kWhiteTerminating = {
    "00110101", "000111",   "0111",     "1000",     "1011",     "1100",     "1110",     "1111",
    "10011",    "10100",    "00111",    "01000",    "001000",   "000011",   "110100",   "110101",
    "101010",   "101011",   "0100111",  "0001100",  "0001000",  "0010111",  "0000011",  "0000100",
    "0101000",  "0101011",  "0010011",  "0100100",  "0011000",  "00000010", "00000011", "00011010",
    "00011011", "00010010", "00010011", "00010100", "00010101", "00010110", "00010111", "00101000",
    "00101001", "00101010", "00101011", "00101100", "00101101", "00000100", "00000101", "00001010",
    "00001011", "01010010", "01010011", "01010100", "01010101", "00100100", "00100101", "01011000",
    "01011001", "01011010", "01011011", "01001010", "01001011", "00110010", "00110011", "00110100",
};

inline constexpr std::array<std::string_view, 64> kBlackTerminating = {
    "0000110111",   "010",          "11",           "10",           "011",          "0011",
    "0010",         "00011",        "000101",       "000100",       "0000100",      "0000101",
    "0000111",      "00000100",     "00000111",     "000011000",    "0000010111",   "0000011000",
    "0000001000",   "00001100111",  "00001101000",  "00001101100",  "00000110111",  "00000101000",
    "00000010111",  "00000011000",  "000011001010", "000011001011", "000011001100", "000011001101",
    "000001101000", "000001101001", "000001101010", "000001101011", "000011010010", "000011010011",
    "000011010100", "000011010101", "000011010110", "000011010111", "000001101100", "000001101101",
    "000011011010", "000011011011", "000001010100", "000001010101", "000001010110", "000001010111",
    "000001100100", "000001100101", "000001010010", "000001010011", "000000100100", "000000110111",
    "000000111000", "000000100111", "000000101000", "000001011000", "000001011001", "000000101011",
    "000000101100", "000001011010", "000001100110", "000001100111",
};

// Make-up codes, run lengths 64, 128, ... 1728.
inline constexpr std::array<std::string_view, 27> kWhiteMakeUp = {
    "11011",     "10010",     "010111",    "0110111",   "00110110",  "00110111",  "01100100",
    "01100101",  "01101000",  "01100111",  "011001100", "011001101", "011010010", "011010011",
    "011010100", "011010101", "011010110", "011010111", "011011000", "011011001", "011011010",
    "011011011", "010011000", "010011001", "010011010", "011000",    "010011011",
};

inline constexpr std::array<std::string_view, 27> kBlackMakeUp = {
    "0000001111",    "000011001000",  "000011001001",  "000001011011",  "000000110011",
    "000000110100",  "000000110101",  "0000001101100", "0000001101101", "0000001001010",
    "0000001001011", "0000001001100", "0000001001101", "0000001110010", "0000001110011",
    "0000001110100", "0000001110101", "0000001110110", "0000001110111", "0000001010010",
    "0000001010011", "0000001010100", "0000001010101", "0000001011010", "0000001011011",
    "0000001100100", "0000001100101",
};

// Extended make-up codes, run lengths 1792, 1856, ... 2560, both colors.
inline constexpr std::array<std::string_view, 13> kExtendedMakeUp = {
    "00000001000",  "00000001100",  "00000001101",  "000000010010", "000000010011",
    "000000010100", "000000010101", "000000010110", "000000010111", "000000011100",
    "000000011101", "000000011110", "000000011111",
};

inline constexpr std::string_view kEolText = "000000000001";
inline constexpr Code kEol = ParseCode(kEolText);

inline constexpr int kWhite = 0;
inline constexpr int kBlack = 1;
inline constexpr uint32_t kLongestCodedRun = 2560;

constexpr Code Join(Code first, Code second) {
  return Code{first.bits << second.length | second.bits, first.length + second.length};
}

constexpr Code Terminating(int color, uint32_t run) {
  return ParseCode(color == kWhite ? kWhiteTerminating[run] : kBlackTerminating[run]);
}

// The codes of a run of 0..2560 pixels: an extended make-up code from 1792
// on, else a make-up code from 64 on (at most 1728), then the terminating
// code of what is left.
constexpr Code RunCode(int color, uint32_t run) {
  if (run >= 1792) {
    const uint32_t part = (run - 1792) / 64;
    return Join(ParseCode(kExtendedMakeUp[part]), Terminating(color, run - 1792 - 64 * part));
  }
  if (run >= 64) {
    const uint32_t part = run / 64 > 27 ? 27 : run / 64;
    const auto& makeUp = color == kWhite ? kWhiteMakeUp : kBlackMakeUp;
    return Join(ParseCode(makeUp[part - 1]), Terminating(color, run - 64 * part));
  }
  return Terminating(color, run);
}

using RunCodeTable = std::array<Code, kLongestCodedRun + 1>;

constexpr RunCodeTable BuildRunCodes(int color) {
  RunCodeTable table{};
  for (uint32_t run = 0; run <= kLongestCodedRun; ++run) table[run] = RunCode(color, run);
  return table;
}

inline constexpr std::array<RunCodeTable, 2> kRunCodes = {BuildRunCodes(kWhite), BuildRunCodes(kBlack)};

// Each 2560 pixels of a longer run are closed as a complete run (make-up
// 2560, terminating 0) followed by an empty run of the other color, so the
// run continues in its own color with the next code.
constexpr Code LongRunPiece(int color) {
  return Join(Join(ParseCode(kExtendedMakeUp[12]), Terminating(color, 0)), Terminating(1 - color, 0));
}
inline constexpr std::array<Code, 2> kLongRunPiece = {LongRunPiece(kWhite), LongRunPiece(kBlack)};

// --- Checks on the copied tables -------------------------------------------

// Code lengths as the Recommendation gives them: 2 to 13 bits.
template <std::size_t Size>
constexpr bool LengthsWithin(const std::array<std::string_view, Size>& codes, std::size_t lo, std::size_t hi) {
  for (auto code : codes) {
    if (code.size() < lo || code.size() > hi) return false;
    for (char c : code) {
      if (c != '0' && c != '1') return false;
    }
  }
  return true;
}
static_assert(LengthsWithin(kWhiteTerminating, 4, 8));
static_assert(LengthsWithin(kBlackTerminating, 2, 12));
static_assert(LengthsWithin(kWhiteMakeUp, 5, 9));
static_assert(LengthsWithin(kBlackMakeUp, 10, 13));
static_assert(LengthsWithin(kExtendedMakeUp, 11, 12));

constexpr bool IsPrefix(std::string_view a, std::string_view b) { return b.substr(0, a.size()) == a; }

// A code set of one color must be prefix-free, or a decoder could not tell
// its codes apart: a mistyped entry almost always breaks this.
constexpr bool PrefixFree(int color) {
  std::array<std::string_view, 64 + 27 + 13 + 1> all{};
  std::size_t n = 0;
  for (auto c : color == kWhite ? kWhiteTerminating : kBlackTerminating) all[n++] = c;
  for (auto c : color == kWhite ? kWhiteMakeUp : kBlackMakeUp) all[n++] = c;
  for (auto c : kExtendedMakeUp) all[n++] = c;
  all[n++] = kEolText;
  for (std::size_t i = 0; i < n; ++i) {
    for (std::size_t j = 0; j < n; ++j) {
      if (i != j && IsPrefix(all[i], all[j])) return false;
    }
  }
  return true;
}
static_assert(PrefixFree(kWhite));
static_assert(PrefixFree(kBlack));

// A complete prefix code fills the code space exactly (Kraft sum 1) once the
// EOL's all-zero neighbourhood is counted; short of that, the sum of 2^-length
// must stay below 1.
constexpr bool KraftBelowOne(int color) {
  uint64_t sum = 0;  // in units of 2^-13
  for (auto c : color == kWhite ? kWhiteTerminating : kBlackTerminating) sum += uint64_t{1} << (13 - c.size());
  for (auto c : color == kWhite ? kWhiteMakeUp : kBlackMakeUp) sum += uint64_t{1} << (13 - c.size());
  for (auto c : kExtendedMakeUp) sum += uint64_t{1} << (13 - c.size());
  return sum < (uint64_t{1} << 13);
}
static_assert(KraftBelowOne(kWhite));
static_assert(KraftBelowOne(kBlack));

// Entries the encoder's worked lines rely on.
static_assert(kRunCodes[kWhite][0].bits == 0x35 && kRunCodes[kWhite][0].length == 8);
static_assert(kRunCodes[kWhite][64].bits == (0x1Bu << 8 | 0x35) && kRunCodes[kWhite][64].length == 13);
static_assert(kRunCodes[kBlack][2].bits == 0x3 && kRunCodes[kBlack][2].length == 2);
static_assert(kRunCodes[kWhite][1791].length == 9 + 8);   // make-up 1728 + terminating 63
static_assert(kRunCodes[kWhite][1792].length == 11 + 8);  // extended 1792 + terminating 0
static_assert(kRunCodes[kBlack][2559].length == 12 + 12);
static_assert(kLongRunPiece[kWhite].length == 12 + 8 + 10);  // at most 30 bits per 2560 pixels
static_assert(kLongRunPiece[kBlack].length == 12 + 10 + 8);
static_assert(kEol.bits == 1 && kEol.length == 12);

}  // namespace velko::sb::mh
