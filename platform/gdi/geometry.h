// The Win32 geometry records shared by windows and drawing: rectangles,
// points and sizes in pixels. Rectangles are half-open: right and bottom are
// the first column and row outside.
#pragma once

#include "platform/win32_types.h"

struct RECT {
  LONG left;
  LONG top;
  LONG right;
  LONG bottom;
};

struct POINT {
  LONG x;
  LONG y;
};

struct SIZE {
  LONG cx;
  LONG cy;
};

static_assert(sizeof(RECT) == 16 && sizeof(POINT) == 8 && sizeof(SIZE) == 8);
