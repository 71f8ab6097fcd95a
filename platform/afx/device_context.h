// The class library's device contexts: CDC over a DC handle with the GDI
// calls as members, and the scoped kinds that the system's painting code
// opens and lets go at the end of a block:
//   CPaintDC  BeginPaint ... EndPaint, for WM_PAINT
//   CClientDC GetDC ... ReleaseDC, a window's client area
//   CDC       CreateCompatibleDC ... DeleteDC, a memory DC
// Whatever a CDC selected into its DC (bitmaps, brushes, pens, palettes) is
// selected out again before the DC goes, so the objects can be deleted.
#pragma once

#include <array>

#include "platform/afx/gdi_objects.h"
#include "platform/afx/window.h"

class CDC {
 public:
  CDC() = default;
  // Draws on a DC someone else owns (a WM_DRAWITEM's, a page procedure's);
  // the DC is left open at the end.
  explicit CDC(HDC borrowed) : m_hDC(borrowed) {}
  virtual ~CDC();
  CDC(const CDC&) = delete;
  CDC& operator=(const CDC&) = delete;

  HDC m_hDC = 0;
  HDC GetSafeHdc() const { return m_hDC; }
  operator HDC() const { return m_hDC; }  // NOLINT: implicit, as the library's

  // A memory DC compatible with `dc` (nullptr: with the screen), owned.
  BOOL CreateCompatibleDC(CDC* dc);
  BOOL DeleteDC();
  // Takes ownership of a DC (DeleteDC at the end); FALSE when this already
  // has one.
  BOOL Attach(HDC hdc);
  // Gives the DC up, its selections as they are.
  HDC Detach();

  // Selection. The result is the object selected before (0 on failure);
  // selecting that handle back restores it.
  HGDIOBJ SelectObject(CGdiObject* object);
  HGDIOBJ SelectObject(CGdiObject& object) { return SelectObject(&object); }
  HGDIOBJ SelectObject(HGDIOBJ object);
  HGDIOBJ SelectStockObject(int index) { return SelectObject(::GetStockObject(index)); }
  HPALETTE SelectPalette(CPalette* palette, BOOL force_background);
  HPALETTE SelectPalette(HPALETTE palette, BOOL force_background);
  UINT RealizePalette() { return ::RealizePalette(m_hDC); }

  // Attributes.
  COLORREF SetBkColor(COLORREF color) { return ::SetBkColor(m_hDC, color); }
  COLORREF GetBkColor() const { return ::GetBkColor(m_hDC); }
  COLORREF SetTextColor(COLORREF color) { return ::SetTextColor(m_hDC, color); }
  COLORREF GetTextColor() const { return ::GetTextColor(m_hDC); }
  int SetBkMode(int mode) { return ::SetBkMode(m_hDC, mode); }
  int SetStretchBltMode(int mode) { return ::SetStretchBltMode(m_hDC, mode); }
  int GetStretchBltMode() const { return ::GetStretchBltMode(m_hDC); }
  // Returns the previous origin.
  CPoint SetBrushOrg(int x, int y);
  int GetDeviceCaps(int index) const { return ::GetDeviceCaps(m_hDC, index); }
  int IntersectClipRect(int left, int top, int right, int bottom) {
    return ::IntersectClipRect(m_hDC, left, top, right, bottom);
  }
  int IntersectClipRect(LPCRECT rect) { return IntersectClipRect(rect->left, rect->top, rect->right, rect->bottom); }
  int GetClipBox(LPRECT rect) const { return ::GetClipBox(m_hDC, rect); }
  COLORREF GetNearestColor(COLORREF color) const { return ::GetNearestColor(m_hDC, color); }

  // Drawing.
  BOOL BitBlt(int x, int y, int width, int height, CDC* source, int source_x, int source_y, DWORD rop) {
    return ::BitBlt(m_hDC, x, y, width, height, source != nullptr ? source->m_hDC : 0, source_x, source_y, rop);
  }
  BOOL StretchBlt(int x, int y, int width, int height, CDC* source, int source_x, int source_y, int source_width,
                  int source_height, DWORD rop) {
    return ::StretchBlt(m_hDC, x, y, width, height, source != nullptr ? source->m_hDC : 0, source_x, source_y,
                        source_width, source_height, rop);
  }
  BOOL PatBlt(int x, int y, int width, int height, DWORD rop) { return ::PatBlt(m_hDC, x, y, width, height, rop); }
  void FillRect(LPCRECT rect, CBrush* brush) { ::FillRect(m_hDC, rect, brush != nullptr ? brush->m_hObject : 0); }
  // A rectangle in one color (the DC's attributes are left as they are).
  void FillSolidRect(LPCRECT rect, COLORREF color);
  COLORREF GetPixel(int x, int y) const { return ::GetPixel(m_hDC, x, y); }
  COLORREF SetPixel(int x, int y, COLORREF color) { return ::SetPixel(m_hDC, x, y, color); }
  BOOL SetPixelV(int x, int y, COLORREF color) { return ::SetPixelV(m_hDC, x, y, color); }
  BOOL ExtFloodFill(int x, int y, COLORREF color, UINT type) { return ::ExtFloodFill(m_hDC, x, y, color, type); }
  BOOL FloodFill(int x, int y, COLORREF border) { return ::FloodFill(m_hDC, x, y, border); }
  BOOL DrawIcon(int x, int y, HICON icon) { return ::DrawIcon(m_hDC, x, y, icon); }

 protected:
  // How the DC is let go at the end.
  enum class Release : uint8_t { Borrowed, Delete, ReleaseWindowDC, EndPaint };
  // Selects back what this CDC displaced, then lets the DC go as `release_`
  // says; the handle is 0 afterwards.
  void Close();
  Release release_ = Release::Borrowed;
  HWND window_ = 0;                   // ReleaseWindowDC and EndPaint
  const PAINTSTRUCT* paint_ = nullptr;  // EndPaint

 private:
  friend class CGdiObject;
  enum Slot : uint8_t { kBitmapSlot, kBrushSlot, kPenSlot, kPaletteSlot, kSlotCount };
  static int SlotOf(HGDIOBJ object);
  void Track(int slot, HGDIOBJ previous, CGdiObject* object);
  // The object goes: the DC gets back what it held first in its slot.
  void Forget(CGdiObject* object, bool reselect);
  void RestoreSelections();

  std::array<HGDIOBJ, kSlotCount> original_{};  // what the DC held before our first selection
  std::array<CGdiObject*, kSlotCount> current_{};
};

// The paint DC of a window for one WM_PAINT.
class CPaintDC : public CDC {
 public:
  explicit CPaintDC(CWnd* window);
  explicit CPaintDC(HWND window);
  ~CPaintDC() override { Close(); }

  PAINTSTRUCT m_ps{};
};

// A DC of a window's client area (nullptr or 0: the screen, which reports
// the display's capabilities but has no pixels).
class CClientDC : public CDC {
 public:
  explicit CClientDC(CWnd* window);
  explicit CClientDC(HWND window);
  ~CClientDC() override { Close(); }
};
