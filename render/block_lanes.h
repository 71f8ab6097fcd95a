// One channel of an n x n block held in SSE2 registers, pixel p in byte p
// (a 4 x 4 block is one register, an 8 x 8 block four), and the few
// operations the block coders need: byte masks, compares against a
// threshold, masked extremes and sums. Pixel sets are byte masks of the same
// shape (0xFF = in the set). SSE2 is part of every x86-64 processor.
#pragma once

#include <emmintrin.h>

#include <array>
#include <cstdint>
#include <cstring>

namespace velko::sb {

// Set bits of a mask, by bytes (the x86-64 baseline has no popcount
// instruction, and the masks are short).
inline constexpr std::array<uint8_t, 256> kBitsInByte = [] {
  std::array<uint8_t, 256> table{};
  for (int v = 0; v < 256; ++v) table[std::size_t(v)] = uint8_t((v & 1) + (v >> 1 & 1) + (v >> 2 & 1) + (v >> 3 & 1) +
                                                                 (v >> 4 & 1) + (v >> 5 & 1) + (v >> 6 & 1) + (v >> 7));
  return table;
}();

template <int Bytes>
constexpr int CountBits(uint64_t bits) {
  int count = 0;
  for (int i = 0; i < Bytes; ++i) count += kBitsInByte[bits >> (8 * i) & 0xFF];
  return count;
}
static_assert(CountBits<2>(0) == 0 && CountBits<2>(0xFFFF) == 16 && CountBits<8>(~uint64_t{0}) == 64);

template <int N>
struct Lanes {
  static constexpr int kRegisters = N * N / 16;
  static_assert(kRegisters == 1 || kRegisters == 4);
  __m128i v[kRegisters];

  static Lanes Splat(uint8_t value) {
    Lanes out;
    for (auto& r : out.v) r = _mm_set1_epi8(char(value));
    return out;
  }
  static Lanes None() { return Splat(0); }
  static Lanes All() { return Splat(0xFF); }

  friend Lanes operator&(const Lanes& a, const Lanes& b) {
    Lanes out;
    for (int i = 0; i < kRegisters; ++i) out.v[i] = _mm_and_si128(a.v[i], b.v[i]);
    return out;
  }
  friend Lanes operator|(const Lanes& a, const Lanes& b) {
    Lanes out;
    for (int i = 0; i < kRegisters; ++i) out.v[i] = _mm_or_si128(a.v[i], b.v[i]);
    return out;
  }
  friend Lanes operator~(const Lanes& a) {
    Lanes out;
    for (int i = 0; i < kRegisters; ++i) out.v[i] = _mm_xor_si128(a.v[i], _mm_set1_epi8(-1));
    return out;
  }
  // A & ~B.
  friend Lanes Without(const Lanes& a, const Lanes& b) {
    Lanes out;
    for (int i = 0; i < kRegisters; ++i) out.v[i] = _mm_andnot_si128(b.v[i], a.v[i]);
    return out;
  }

  // Bytes equal to VALUE.
  Lanes Equal(uint8_t value) const {
    Lanes out;
    for (int i = 0; i < kRegisters; ++i) out.v[i] = _mm_cmpeq_epi8(v[i], _mm_set1_epi8(char(value)));
    return out;
  }

  // Bytes below LIMIT (unsigned); LIMIT may be 0..256.
  Lanes Below(int limit) const {
    if (limit >= 256) return All();
    Lanes out;
    const __m128i bias = _mm_set1_epi8(char(0x80));
    const __m128i threshold = _mm_set1_epi8(char(limit ^ 0x80));
    for (int i = 0; i < kRegisters; ++i) out.v[i] = _mm_cmplt_epi8(_mm_xor_si128(v[i], bias), threshold);
    return out;
  }

  // Bit p set when byte p is nonzero (masks only).
  uint64_t Bits() const {
    uint64_t bits = 0;
    for (int i = 0; i < kRegisters; ++i) bits |= uint64_t(uint32_t(_mm_movemask_epi8(v[i]))) << (16 * i);
    return bits;
  }
  bool Empty() const { return Bits() == 0; }
  int Count() const { return CountBits<N * N / 8>(Bits()); }
};

namespace detail {

// The largest byte of each 32-bit lane ends up in that lane's low byte.
inline __m128i LaneMax(__m128i x) {
  x = _mm_max_epu8(x, _mm_srli_epi32(x, 16));
  return _mm_max_epu8(x, _mm_srli_epi32(x, 8));
}

template <int R>
__m128i FoldMax(const __m128i (&v)[R]) {
  __m128i m = v[0];
  for (int i = 1; i < R; ++i) m = _mm_max_epu8(m, v[i]);
  return _mm_max_epu8(m, _mm_shuffle_epi32(m, 0x4E));  // halves
}

}  // namespace detail

// Largest and smallest value of each of three channels over a pixel set,
// in one pass: the smallest is taken as 255 - the largest of the inverted
// bytes. Returns the six bytes packed: largest red, green, blue in bytes
// 0..2, 255 - smallest red, green, blue in bytes 3..5. An empty set gives
// largest 0 and smallest 255.
template <int N>
uint64_t MaskedExtremes(const Lanes<N> (&ch)[3], const Lanes<N>& set) {
  __m128i folded[6];
  for (int c = 0; c < 3; ++c) {
    const Lanes<N> in = ch[c] & set;
    const Lanes<N> inverted = Without(set, ch[c]);  // 255 - value inside the set, 0 outside
    folded[c] = detail::FoldMax(in.v);
    folded[3 + c] = detail::FoldMax(inverted.v);
  }
  // Each folded register has its maximum within its low 64 bits; two
  // 32-bit lanes per register remain. Gather and finish them together.
  for (auto& f : folded) f = _mm_max_epu8(f, _mm_shuffle_epi32(f, 0xB1));
  const __m128i rg = _mm_unpacklo_epi32(folded[0], folded[1]);
  const __m128i bR = _mm_unpacklo_epi32(folded[2], folded[3]);
  const __m128i gB = _mm_unpacklo_epi32(folded[4], folded[5]);
  const __m128i lowByte = _mm_set1_epi32(0xFF);
  const __m128i first = _mm_and_si128(detail::LaneMax(_mm_unpacklo_epi64(rg, bR)), lowByte);  // r g b ~r
  const __m128i second = _mm_and_si128(detail::LaneMax(gB), lowByte);                       // ~g ~b
  const __m128i words = _mm_packs_epi32(first, second);
  return uint64_t(_mm_cvtsi128_si64(_mm_packus_epi16(words, words)));
}

// Sum of each of three channels over a pixel set.
template <int N>
void MaskedSums(const Lanes<N> (&ch)[3], const Lanes<N>& set, uint32_t (&sum)[3]) {
  const __m128i zero = _mm_setzero_si128();
  for (int c = 0; c < 3; ++c) {
    __m128i total = zero;
    for (int i = 0; i < Lanes<N>::kRegisters; ++i) {
      total = _mm_add_epi64(total, _mm_sad_epu8(_mm_and_si128(ch[c].v[i], set.v[i]), zero));
    }
    total = _mm_add_epi64(total, _mm_shuffle_epi32(total, 0x4E));
    sum[c] = uint32_t(_mm_cvtsi128_si32(total));
  }
}

// The block's bytes at column X of N rows, as lanes.
template <int N>
Lanes<N> LoadRows(uint8_t* const (&rows)[N], std::size_t x) {
  Lanes<N> out;
  if constexpr (N == 4) {
    uint32_t w[4];
    for (int k = 0; k < 4; ++k) std::memcpy(&w[k], rows[k] + x, 4);
    out.v[0] = _mm_setr_epi32(int(w[0]), int(w[1]), int(w[2]), int(w[3]));
  } else {
    for (int i = 0; i < 4; ++i) {
      const __m128i low = _mm_loadl_epi64(reinterpret_cast<const __m128i*>(rows[2 * i] + x));
      const __m128i high = _mm_loadl_epi64(reinterpret_cast<const __m128i*>(rows[2 * i + 1] + x));
      out.v[i] = _mm_unpacklo_epi64(low, high);
    }
  }
  return out;
}
}  // namespace velko::sb
