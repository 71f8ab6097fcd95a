// A 5 x 7 pixel font for the generated pictures: capitals, digits, the space
// and the lower-case letters of the word mark "Velko". Built in, so that the
// pictures come out the same on every machine whatever fonts it has.
#pragma once

#include <array>
#include <string_view>

namespace velko::resgen {

inline constexpr int kGlyphWidth = 5;
inline constexpr int kGlyphHeight = 7;
inline constexpr int kGlyphAdvance = kGlyphWidth + 1;

struct Glyph {
  char ch;
  std::string_view rows;  // 7 rows of 5 cells, 'X' inked, '.' blank
};

// clang-format off
inline constexpr std::array kGlyphs = {
  Glyph{' ', "....." "....." "....." "....." "....." "....." "....."},
  Glyph{'A', ".XXX." "X...X" "X...X" "XXXXX" "X...X" "X...X" "X...X"},
  Glyph{'B', "XXXX." "X...X" "X...X" "XXXX." "X...X" "X...X" "XXXX."},
  Glyph{'C', ".XXX." "X...X" "X...." "X...." "X...." "X...X" ".XXX."},
  Glyph{'D', "XXXX." "X...X" "X...X" "X...X" "X...X" "X...X" "XXXX."},
  Glyph{'E', "XXXXX" "X...." "X...." "XXXX." "X...." "X...." "XXXXX"},
  Glyph{'F', "XXXXX" "X...." "X...." "XXXX." "X...." "X...." "X...."},
  Glyph{'G', ".XXX." "X...X" "X...." "X.XXX" "X...X" "X...X" ".XXXX"},
  Glyph{'H', "X...X" "X...X" "X...X" "XXXXX" "X...X" "X...X" "X...X"},
  Glyph{'I', ".XXX." "..X.." "..X.." "..X.." "..X.." "..X.." ".XXX."},
  Glyph{'J', "..XXX" "...X." "...X." "...X." "...X." "X..X." ".XX.."},
  Glyph{'K', "X...X" "X..X." "X.X.." "XX..." "X.X.." "X..X." "X...X"},
  Glyph{'L', "X...." "X...." "X...." "X...." "X...." "X...." "XXXXX"},
  Glyph{'M', "X...X" "XX.XX" "X.X.X" "X.X.X" "X...X" "X...X" "X...X"},
  Glyph{'N', "X...X" "X...X" "XX..X" "X.X.X" "X..XX" "X...X" "X...X"},
  Glyph{'O', ".XXX." "X...X" "X...X" "X...X" "X...X" "X...X" ".XXX."},
  Glyph{'P', "XXXX." "X...X" "X...X" "XXXX." "X...." "X...." "X...."},
  Glyph{'Q', ".XXX." "X...X" "X...X" "X...X" "X.X.X" "X..X." ".XX.X"},
  Glyph{'R', "XXXX." "X...X" "X...X" "XXXX." "X.X.." "X..X." "X...X"},
  Glyph{'S', ".XXXX" "X...." "X...." ".XXX." "....X" "....X" "XXXX."},
  Glyph{'T', "XXXXX" "..X.." "..X.." "..X.." "..X.." "..X.." "..X.."},
  Glyph{'U', "X...X" "X...X" "X...X" "X...X" "X...X" "X...X" ".XXX."},
  Glyph{'V', "X...X" "X...X" "X...X" "X...X" "X...X" ".X.X." "..X.."},
  Glyph{'W', "X...X" "X...X" "X...X" "X.X.X" "X.X.X" "X.X.X" ".X.X."},
  Glyph{'X', "X...X" "X...X" ".X.X." "..X.." ".X.X." "X...X" "X...X"},
  Glyph{'Y', "X...X" "X...X" ".X.X." "..X.." "..X.." "..X.." "..X.."},
  Glyph{'Z', "XXXXX" "....X" "...X." "..X.." ".X..." "X...." "XXXXX"},
  Glyph{'0', ".XXX." "X...X" "X..XX" "X.X.X" "XX..X" "X...X" ".XXX."},
  Glyph{'1', "..X.." ".XX.." "..X.." "..X.." "..X.." "..X.." ".XXX."},
  Glyph{'2', ".XXX." "X...X" "....X" "...X." "..X.." ".X..." "XXXXX"},
  Glyph{'3', "XXXXX" "...X." "..X.." "...X." "....X" "X...X" ".XXX."},
  Glyph{'4', "...X." "..XX." ".X.X." "X..X." "XXXXX" "...X." "...X."},
  Glyph{'5', "XXXXX" "X...." "XXXX." "....X" "....X" "X...X" ".XXX."},
  Glyph{'6', "..XX." ".X..." "X...." "XXXX." "X...X" "X...X" ".XXX."},
  Glyph{'7', "XXXXX" "....X" "...X." "..X.." ".X..." ".X..." ".X..."},
  Glyph{'8', ".XXX." "X...X" "X...X" ".XXX." "X...X" "X...X" ".XXX."},
  Glyph{'9', ".XXX." "X...X" "X...X" ".XXXX" "....X" "...X." ".XX.."},
  Glyph{'e', "....." "....." ".XXX." "X...X" "XXXXX" "X...." ".XXX."},
  Glyph{'k', "X...." "X...." "X..X." "X.X.." "XX..." "X.X.." "X..X."},
  Glyph{'l', ".XX.." "..X.." "..X.." "..X.." "..X.." "..X.." ".XXX."},
  Glyph{'o', "....." "....." ".XXX." "X...X" "X...X" "X...X" ".XXX."},
};
// clang-format on

constexpr bool WellFormed(const Glyph& g) {
  if (g.rows.size() != kGlyphWidth * kGlyphHeight) return false;
  for (char c : g.rows)
    if (c != 'X' && c != '.') return false;
  return true;
}

constexpr bool AllWellFormed() {
  for (const Glyph& g : kGlyphs)
    if (!WellFormed(g)) return false;
  return true;
}
static_assert(AllWellFormed(), "every glyph is 7 rows of 5 cells of 'X' or '.'");

// By index rather than by address: GCC under AddressSanitizer does not
// treat comparisons of addresses as constant, which the static_assert needs.
constexpr int GlyphIndex(char ch) {
  for (std::size_t i = 0; i < std::size(kGlyphs); ++i)
    if (kGlyphs[i].ch == ch) return static_cast<int>(i);
  return -1;
}
constexpr const Glyph* FindGlyph(char ch) {
  const int index = GlyphIndex(ch);
  return index < 0 ? nullptr : &kGlyphs[static_cast<std::size_t>(index)];
}
constexpr bool InFont(std::string_view text) {
  for (char ch : text)
    if (GlyphIndex(ch) < 0) return false;
  return true;
}
static_assert(InFont("Velko 0123456789"), "the word mark's letters and the digits are in the font");

constexpr bool Inked(const Glyph& g, int col, int row) {
  return g.rows[static_cast<std::size_t>(row * kGlyphWidth + col)] == 'X';
}

// Width in font cells of a line of text (no trailing gap).
constexpr int TextCells(std::string_view text) {
  return text.empty() ? 0 : static_cast<int>(text.size()) * kGlyphAdvance - 1;
}

}  // namespace velko::resgen
