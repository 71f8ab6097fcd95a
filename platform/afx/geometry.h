// The class library's geometry records: CPoint, CSize and CRect are the
// Win32 records with the few helpers the dialogs use (sizes of a window
// rectangle, a point from WM_CONTEXTMENU's packed screen position).
#pragma once

#include "platform/gdi/geometry.h"
#include "platform/user/user_types.h"

using LPRECT = RECT*;
using LPCRECT = const RECT*;
using LPPOINT = POINT*;

class CPoint : public POINT {
 public:
  constexpr CPoint() : POINT{0, 0} {}
  constexpr CPoint(int x_, int y_) : POINT{x_, y_} {}
  constexpr CPoint(POINT p) : POINT(p) {}
  // A packed position as WM_CONTEXTMENU carries it: signed x in the low
  // word, signed y in the high word.
  explicit constexpr CPoint(LPARAM packed)
      : POINT{static_cast<SHORT>(LOWORD(static_cast<uintptr_t>(packed))),
              static_cast<SHORT>(HIWORD(static_cast<uintptr_t>(packed)))} {}

  constexpr bool operator==(const CPoint& other) const { return x == other.x && y == other.y; }
};

class CSize : public SIZE {
 public:
  constexpr CSize() : SIZE{0, 0} {}
  constexpr CSize(int cx_, int cy_) : SIZE{cx_, cy_} {}

  constexpr bool operator==(const CSize& other) const { return cx == other.cx && cy == other.cy; }
};

class CRect : public RECT {
 public:
  constexpr CRect() : RECT{0, 0, 0, 0} {}
  constexpr CRect(int l, int t, int r, int b) : RECT{l, t, r, b} {}
  constexpr CRect(const RECT& r) : RECT(r) {}

  constexpr int Width() const { return right - left; }
  constexpr int Height() const { return bottom - top; }
  constexpr CSize Size() const { return CSize(Width(), Height()); }
  constexpr CPoint TopLeft() const { return CPoint(left, top); }
  constexpr CPoint BottomRight() const { return CPoint(right, bottom); }
  constexpr bool IsRectEmpty() const { return right <= left || bottom <= top; }
  constexpr bool PtInRect(POINT p) const { return p.x >= left && p.x < right && p.y >= top && p.y < bottom; }
  constexpr void SetRect(int l, int t, int r, int b) { *this = CRect(l, t, r, b); }
  constexpr void OffsetRect(int dx, int dy) { left += dx, right += dx, top += dy, bottom += dy; }
  // Moves every side inwards (outwards for negative amounts).
  constexpr void DeflateRect(int dx, int dy) { left += dx, right -= dx, top += dy, bottom -= dy; }
  constexpr void InflateRect(int dx, int dy) { DeflateRect(-dx, -dy); }

  // Where a call takes a rectangle by pointer, as the library's CRect does.
  operator LPRECT() { return this; }              // NOLINT
  operator LPCRECT() const { return this; }       // NOLINT

  constexpr bool operator==(const CRect& other) const {
    return left == other.left && top == other.top && right == other.right && bottom == other.bottom;
  }
};
