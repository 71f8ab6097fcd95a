// What the block coders know about a block: its pixels channel by channel,
// the kind of every pixel (white, black, color), per-channel statistics of a
// pixel set, the split channel with its tie rules, thresholds and means.
// Pixel sets are byte masks (see block_lanes.h), pixel p = n x row + column.
#pragma once

#include <array>
#include <cstdint>

#include "render/block_lanes.h"
#include "render/color_conversion.h"

namespace velko::sb {

template <int N>
using Mask = Lanes<N>;

// One n x n block as read from the three planes.
template <int N>
struct Block {
  Lanes<N> ch[3];
};

// Largest and smallest value of each channel over a pixel set. Kept as bytes
// on purpose: an empty set stays at largest 0, smallest 255, so its ranges
// wrap to 1 and its threshold is 255 - it never counts as uniform.
struct ChannelStats {
  uint8_t max[3] = {0, 0, 0};
  uint8_t min[3] = {255, 255, 255};

  uint8_t Range(int c) const { return uint8_t(max[c] - min[c]); }
  uint8_t Threshold(int c) const { return uint8_t(min[c] + Range(c) / 2); }
  bool FlatOn(int c) const { return max[c] == min[c]; }
  bool Flat() const { return FlatOn(0) && FlatOn(1) && FlatOn(2); }
  Rgb Smallest() const { return Rgb{min[0], min[1], min[2]}; }
  Rgb Largest() const { return Rgb{max[0], max[1], max[2]}; }
};

// The channel a set is split on: red; green if red's range is below green's
// and green's is not below blue's; then blue if blue's is not below red's and
// green's is below blue's. (All equal: red; red and green tied: red; green and
// blue tied: green; red and blue tied: blue.)
// Written without branches: in photographs the channel is anybody's guess.
constexpr int SplitChannel(int rangeRed, int rangeGreen, int rangeBlue) {
  const int green = int(rangeRed < rangeGreen) & int(rangeGreen >= rangeBlue);
  const int blue = int(rangeBlue >= rangeRed) & int(rangeGreen < rangeBlue);
  return blue ? 2 : green;
}
static_assert(SplitChannel(5, 5, 5) == 0);
static_assert(SplitChannel(5, 5, 1) == 0);
static_assert(SplitChannel(1, 5, 5) == 1);
static_assert(SplitChannel(5, 1, 5) == 2);
static_assert(SplitChannel(1, 2, 3) == 2);

inline int SplitChannel(const ChannelStats& s) { return SplitChannel(s.Range(0), s.Range(1), s.Range(2)); }

template <int N>
ChannelStats StatsOf(const Block<N>& px, const Mask<N>& set) {
  const uint64_t packed = MaskedExtremes(px.ch, set);
  ChannelStats stats;
  for (int c = 0; c < 3; ++c) {
    stats.max[c] = uint8_t(packed >> (8 * c));
    stats.min[c] = uint8_t(255 - uint8_t(packed >> (24 + 8 * c)));
  }
  return stats;
}

// The kinds of a block's pixels and the statistics of its color pixels.
template <int N>
struct BlockKinds {
  Mask<N> white, black, color;
  ChannelStats colorStats;
};

template <int N>
BlockKinds<N> Classify(const Block<N>& px) {
  BlockKinds<N> kinds;
  kinds.white = (px.ch[0] & px.ch[1] & px.ch[2]).Equal(255);
  kinds.black = (px.ch[0] | px.ch[1] | px.ch[2]).Equal(0);
  kinds.color = ~(kinds.white | kinds.black);
  kinds.colorStats = StatsOf(px, kinds.color);
  return kinds;
}

// The pixels of SET whose value on CHANNEL is below LIMIT (0..256).
template <int N>
Mask<N> Below(const Block<N>& px, int channel, int limit, const Mask<N>& set) {
  return px.ch[channel].Below(limit) & set;
}

// Division of a channel sum (at most 64 x 255) by a pixel count (1..64) as
// a multiply and shift: with m = ceil(2^20 / d) the error n x (m d - 2^20)
// stays below 2^20 for n < 2^14, so the quotient is exact.
inline constexpr int kReciprocalShift = 20;
inline constexpr std::array<uint32_t, 65> kReciprocals = [] {
  std::array<uint32_t, 65> r{};
  for (uint32_t d = 1; d <= 64; ++d) r[d] = ((1u << kReciprocalShift) + d - 1) / d;
  return r;
}();

constexpr uint8_t DivideByCount(uint32_t sum, int count) {
  return uint8_t((uint64_t(sum) * kReciprocals[std::size_t(count)]) >> kReciprocalShift);
}
static_assert(DivideByCount(16320, 64) == 255 && DivideByCount(16319, 64) == 254);
static_assert(DivideByCount(3314, 14) == 236 && DivideByCount(1608, 16) == 100);

// Per-channel mean of a pixel set, each channel truncated; 0, 0, 0 when empty.
template <int N>
[[gnu::always_inline]] inline Rgb MeanOf(const Block<N>& px, const Mask<N>& set) {
  const int count = set.Count();
  if (count == 0) return kBlack;
  uint32_t sum[3];
  MaskedSums(px.ch, set, sum);
  return Rgb{DivideByCount(sum[0], count), DivideByCount(sum[1], count), DivideByCount(sum[2], count)};
}

}  // namespace velko::sb
