// The pixels of one of VelkoUI's bitmap resources, read back through a
// memory DC, for tests that look at what the resource generator drew.
#pragma once

#include <gtest/gtest.h>

#include <cstddef>
#include <vector>

#include "platform/win32.h"
#include "ui/core/ui_app.h"

namespace velko::ui::testing {

struct Picture {
  int width = 0;
  int height = 0;
  std::vector<COLORREF> pixels;  // rows top-down, 0x00BBGGRR
  COLORREF at(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
};

// `flags` as LoadImage takes them: 0 for the device-dependent bitmap the
// pages draw, LR_CREATEDIBSECTION as the previews load their pictures.
inline Picture LoadResourcePicture(UINT id, UINT flags = 0) {
  Picture picture;
  const HBITMAP bitmap = static_cast<HBITMAP>(LoadImage(ModuleInstance, MAKEINTRESOURCE(id), IMAGE_BITMAP, 0, 0, flags));
  BITMAP description{};
  if (bitmap == 0 || GetObject(bitmap, sizeof description, &description) == 0) {
    ADD_FAILURE() << "no bitmap resource " << id;
    return picture;
  }
  picture.width = description.bmWidth;
  picture.height = description.bmHeight;
  const HDC dc = CreateCompatibleDC(0);
  const HGDIOBJ previous = SelectObject(dc, bitmap);
  for (int y = 0; y < picture.height; ++y) {
    for (int x = 0; x < picture.width; ++x) picture.pixels.push_back(GetPixel(dc, x, y) & 0xFFFFFF);
  }
  SelectObject(dc, previous);
  DeleteDC(dc);
  DeleteObject(bitmap);
  return picture;
}

}  // namespace velko::ui::testing
