// The preview pictures of the eight built-in texts as the dialog loads them:
// dark capitals on white, the outline variant exactly a ring of one (small)
// or two (large) pixels round the filled glyphs with their inside white, and
// the large picture twice the small one.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "platform/win32.h"
#include "tests/ui/resource_picture.h"
#include "ui/core/ui_app.h"
#include "ui/dialogs/watermark_preview.h"

namespace {

using namespace velko::ui;

constexpr COLORREF kWhite = RGB(255, 255, 255);

struct Picture {
  int width = 0, height = 0;
  std::vector<bool> ink;
  bool at(int x, int y) const {
    return x >= 0 && y >= 0 && x < width && y < height && ink[static_cast<std::size_t>(y) * width + x];
  }
};

// The picture as a DIB section, as the preview loads it; ink is anything
// not pure white (and must be dark).
Picture Load(UINT id) {
  const velko::ui::testing::Picture loaded = velko::ui::testing::LoadResourcePicture(id, LR_CREATEDIBSECTION);
  Picture p{loaded.width, loaded.height, {}};
  for (const COLORREF c : loaded.pixels) {
    EXPECT_TRUE(c == kWhite || (GetRValue(c) < 64 && GetGValue(c) < 64 && GetBValue(c) < 64))
        << id << ": dark on white only";
    p.ink.push_back(c != kWhite);
  }
  return p;
}

// The filled glyphs grown by `radius` in every direction, minus the glyphs.
Picture Ring(const Picture& filled, int radius) {
  Picture ring = filled;
  for (int y = 0; y < filled.height; ++y) {
    for (int x = 0; x < filled.width; ++x) {
      bool near = false;
      for (int dy = -radius; dy <= radius && !near; ++dy) {
        for (int dx = -radius; dx <= radius && !near; ++dx) near = filled.at(x + dx, y + dy);
      }
      ring.ink[static_cast<std::size_t>(y) * filled.width + x] = near && !filled.at(x, y);
    }
  }
  return ring;
}

TEST(WatermarkPictures, OutlinesRingTheSameGlyphsAndLargeIsTwiceSmall) {
  const char* texts[] = {"CONFIDENTIAL", "DO NOT COPY", "TOP SECRET", "DRAFT", "PROOF", "FINAL", "COPY", "FILE COPY"};
  for (std::size_t i = 0; i < kPreviewPictures.size(); ++i) {
    const PreviewPictures& ids = kPreviewPictures[i];
    const Picture small = Load(ids.small), large = Load(ids.large);
    const Picture smallOutline = Load(ids.smallOutline), largeOutline = Load(ids.largeOutline);
    EXPECT_EQ(smallOutline.ink, Ring(small, 1).ink) << texts[i] << ": one-pixel outline";
    EXPECT_EQ(largeOutline.ink, Ring(large, 2).ink) << texts[i] << ": two-pixel outline";
    EXPECT_EQ(large.width, 2 * small.width) << texts[i];
    EXPECT_EQ(large.height, 2 * small.height) << texts[i];
    // The large glyphs are the small ones doubled: the same text.
    for (int y = 0; y < large.height; ++y) {
      for (int x = 0; x < large.width; ++x) {
        ASSERT_EQ(large.at(x, y), small.at(x / 2, y / 2)) << texts[i] << " at " << x << "," << y;
      }
    }
    EXPECT_TRUE(std::count(small.ink.begin(), small.ink.end(), true) > 0) << texts[i];
  }
}

TEST(WatermarkPictures, EachTextHasItsOwnPicture) {
  for (std::size_t i = 0; i < kPreviewPictures.size(); ++i) {
    for (std::size_t j = i + 1; j < kPreviewPictures.size(); ++j) {
      const Picture a = Load(kPreviewPictures[i].small), b = Load(kPreviewPictures[j].small);
      EXPECT_FALSE(a.width == b.width && a.ink == b.ink) << i << " and " << j;
    }
  }
}

}  // namespace
