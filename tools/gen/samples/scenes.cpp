// The sample scenes. Coordinates are for a 256 x 192 picture, top-left
// origin.
#include "tools/gen/samples/scenes.h"

namespace velko::samples {
namespace {

constexpr int W = kSampleWidth;
constexpr int H = kSampleHeight;

// A skin tone as highlight, body and shadow.
struct Tone {
  Rgb light, base, shadow;
};
constexpr Tone kFairSkin = {{255, 228, 206}, {238, 192, 158}, {186, 134, 104}};
constexpr Tone kDarkSkin = {{206, 152, 112}, {160, 106, 70}, {96, 60, 38}};

void Child(Picture& p, int cx, const Tone& skin, Rgb hair, Rgb top, Rgb bottom, Rgb shoes, bool dress) {
  // Legs, clothes, arms, then the head over the collar.
  p.FillRect(cx - 13, 140, 9, 34, skin.base);
  p.FillRect(cx + 4, 140, 9, 34, skin.shadow);
  p.FillRect(cx - 16, 172, 14, 7, shoes);
  p.FillRect(cx + 2, 172, 14, 7, shoes);
  if (dress) {
    p.FillPolygon({{cx - 14, 92}, {cx + 14, 92}, {cx + 30, 150}, {cx - 30, 150}}, top);
  } else {
    p.FillRect(cx - 18, 128, 36, 20, bottom);
    p.FillPolygon({{cx - 18, 92}, {cx + 18, 92}, {cx + 20, 132}, {cx - 20, 132}}, top);
  }
  p.FillPolygon({{cx - 18, 94}, {cx - 26, 96}, {cx - 38, 128}, {cx - 30, 131}}, skin.base);
  p.FillPolygon({{cx + 18, 94}, {cx + 26, 96}, {cx + 38, 128}, {cx + 30, 131}}, skin.shadow);
  p.FillEllipse(cx, 58, 24, 24, hair);
  p.ShadedEllipse(cx, 68, 20, 23, skin.light, skin.base, skin.shadow);
  p.FillEllipse(cx, 50, 21, 9, hair);  // fringe
  p.FillEllipse(cx - 7, 66, 2, 3, {30, 20, 15});
  p.FillEllipse(cx + 7, 66, 2, 3, {30, 20, 15});
  p.FillEllipse(cx, 81, 4, 1, {214, 70, 84});
  p.FillEllipse(cx - 12, 75, 4, 3, Mix(skin.base, {230, 90, 90}, 1, 3));  // cheeks
  p.FillEllipse(cx + 12, 75, 4, 3, Mix(skin.base, {230, 90, 90}, 1, 3));
}

void Tree(Picture& p, int x, int ground, int size) {
  p.FillRect(x - size / 6, ground - size, size / 3, size, {92, 60, 30});
  p.ShadedEllipse(x, ground - size - size / 3, size * 2 / 3, size * 3 / 4, {140, 200, 90}, {52, 128, 40},
                  {16, 64, 18}, 10, static_cast<uint32_t>(x));
}

}  // namespace

Picture DrawChildren() {
  Picture p(W, H, {0, 0, 0});
  p.VerticalGradient(0, 120, {120, 180, 240}, {205, 230, 250});
  p.VerticalGradient(120, H, {96, 176, 64}, {44, 120, 36});
  p.Grain(0, 120, W, H - 120, 12, 1);
  p.FillEllipse(40, 28, 26, 12, {252, 252, 252});
  p.FillEllipse(62, 22, 20, 12, {252, 252, 252});
  p.Shadow(78, 182, 40, 7, 45);
  p.Shadow(178, 182, 40, 7, 45);
  Child(p, 78, kFairSkin, {92, 56, 24}, {224, 28, 40}, {32, 72, 204}, {250, 250, 250}, false);
  Child(p, 178, kDarkSkin, {24, 18, 16}, {252, 208, 28}, {0, 0, 0}, {240, 96, 16}, true);
  p.FillEllipse(178, 40, 9, 5, {240, 70, 160});  // ribbon
  p.Shadow(128, 180, 14, 4, 50);
  p.ShadedEllipse(128, 165, 13, 13, {160, 255, 160}, {30, 180, 60}, {0, 80, 20});
  p.ShadedEllipse(232, 170, 11, 11, {255, 190, 255}, {220, 40, 200}, {90, 0, 80});
  return p;
}

Picture DrawLandscape() {
  Picture p(W, H, {0, 0, 0});
  p.VerticalGradient(0, 100, {40, 92, 190}, {192, 216, 240});
  p.FillEllipse(204, 30, 18, 18, {255, 244, 200});
  p.FillEllipse(204, 30, 12, 12, {255, 252, 230});
  for (int i = 0; i < 5; ++i) p.FillEllipse(30 + 16 * i, 34 - (i % 2) * 6, 18, 9, {250, 250, 252});
  // Far mountains with snow, then the hills and fields in front of them.
  p.FillPolygon({{0, 100}, {50, 48}, {92, 82}, {140, 40}, {200, 90}, {W, 70}, {W, 110}, {0, 110}}, {112, 124, 156});
  p.FillPolygon({{140, 40}, {128, 54}, {140, 50}, {152, 56}}, {246, 248, 252});
  p.FillPolygon({{50, 48}, {42, 58}, {52, 55}, {60, 60}}, {246, 248, 252});
  p.FillPolygon({{0, 104}, {80, 90}, {170, 100}, {W, 92}, {W, H}, {0, H}}, {74, 146, 52}, 14, 2);
  p.FillPolygon({{0, 128}, {120, 116}, {W, 124}, {W, 150}, {0, 158}}, {228, 202, 60}, 10, 3);
  p.FillPolygon({{0, 158}, {W, 150}, {W, H}, {0, H}}, {140, 94, 54});
  for (int y = 160; y < H; y += 6) p.FillPolygon({{0, y}, {W, y - 6}, {W, y - 4}, {0, y + 2}}, {104, 66, 38});
  p.FillPolygon({{110, H}, {140, H}, {132, 150}, {124, 150}}, {182, 146, 100});  // path
  p.FillRect(186, 98, 26, 16, {236, 230, 214});  // a farmhouse
  p.FillPolygon({{182, 99}, {199, 86}, {216, 99}}, {190, 40, 30});
  Tree(p, 28, 122, 22);
  Tree(p, 62, 118, 16);
  Tree(p, 236, 126, 24);
  return p;
}

Picture DrawYacht() {
  Picture p(W, H, {0, 0, 0});
  p.VerticalGradient(0, 112, {84, 146, 220}, {200, 226, 246});
  p.VerticalGradient(112, H, {24, 92, 176}, {4, 28, 88});
  p.Grain(0, 112, W, H - 112, 8, 4);
  for (int i = 0; i < 90; ++i) {  // wave crests
    const uint32_t h = Hash(i, 0, 5);
    const int y = 116 + static_cast<int>(h % (H - 116));
    const int x = static_cast<int>((h >> 8) % W);
    p.FillRect(x, y, 4 + (y - 112) / 8, 1, {120, 170, 220});
  }
  // A cliff in deep shadow on the left.
  p.FillPolygon({{0, 40}, {30, 48}, {52, 80}, {70, 118}, {0, 124}}, {46, 40, 36}, 10, 6);
  p.FillPolygon({{0, 118}, {70, 118}, {0, 150}}, {14, 20, 34});  // its shadow on the water
  // The yacht: reflection, hull, mast, sails.
  p.Shadow(150, 150, 64, 10, 60);
  p.FillPolygon({{92, 130}, {212, 130}, {196, 148}, {106, 148}}, {244, 244, 238});
  p.FillPolygon({{106, 142}, {198, 142}, {196, 148}, {106, 148}}, {24, 26, 40});
  p.FillRect(96, 133, 112, 3, {200, 28, 32});
  p.FillRect(149, 20, 3, 112, {60, 50, 44});
  p.FillPolygon({{148, 22}, {148, 126}, {98, 126}}, {250, 250, 248});
  p.FillPolygon({{148, 40}, {148, 126}, {128, 126}}, {206, 210, 222});  // the sail's shaded fold
  p.FillPolygon({{153, 26}, {153, 126}, {200, 126}}, {236, 236, 230});
  p.FillRect(150, 14, 10, 6, {220, 20, 20});  // pennant
  return p;
}

Picture DrawFruit() {
  Picture p(W, H, {0, 0, 0});
  p.VerticalGradient(0, 128, {36, 28, 34}, {72, 56, 50});
  p.VerticalGradient(128, H, {168, 108, 58}, {110, 66, 32});
  for (int y = 132; y < H; y += 9) p.FillRect(0, y, W, 1, {92, 54, 26});
  p.Grain(0, 128, W, H - 128, 10, 7);
  p.Shadow(132, 172, 100, 14, 55);
  // The bowl, then the fruit in it from back to front.
  p.ShadedEllipse(128, 146, 86, 26, {250, 250, 250}, {196, 198, 210}, {96, 98, 112});
  p.FillPolygon({{60, 120}, {92, 100}, {140, 96}, {188, 108}, {200, 124}, {150, 116}, {96, 114}}, {252, 222, 40});
  p.FillPolygon({{60, 120}, {96, 114}, {150, 116}, {200, 124}, {150, 124}, {96, 122}}, {196, 150, 10});  // banana
  for (int i = 0; i < 9; ++i) {  // grapes
    const int gx = 176 + (i % 3) * 11 - (i / 3) * 3, gy = 104 + (i / 3) * 11;
    p.ShadedEllipse(gx, gy, 7, 7, {206, 130, 206}, {112, 32, 112}, {44, 8, 44});
  }
  p.ShadedEllipse(96, 116, 24, 22, {255, 150, 140}, {212, 16, 24}, {84, 0, 8});     // red apple
  p.ShadedEllipse(150, 120, 22, 21, {255, 214, 150}, {246, 128, 8}, {136, 56, 0});   // orange
  p.ShadedEllipse(120, 134, 25, 17, {255, 255, 196}, {250, 216, 16}, {150, 108, 0}); // lemon
  p.ShadedEllipse(178, 138, 19, 18, {204, 255, 150}, {72, 182, 28}, {18, 78, 8});    // lime
  p.FillRect(95, 92, 2, 8, {70, 44, 20});  // apple stem
  p.FillEllipse(101, 94, 6, 3, {40, 150, 40});
  // A second apple on the table, and its shadow.
  p.Shadow(40, 178, 26, 6, 60);
  p.ShadedEllipse(38, 160, 22, 20, {255, 140, 130}, {200, 10, 30}, {80, 0, 10});
  p.Shadow(226, 178, 20, 5, 60);
  p.ShadedEllipse(224, 164, 18, 15, {210, 255, 160}, {100, 200, 40}, {30, 90, 10});
  return p;
}

}  // namespace velko::samples
