// The class library's GDI objects: each CGdiObject owns its handle and
// deletes it when it goes. An object still selected into a CDC is first
// replaced there by what the DC held before, so deleting never fails on a
// selection and no handle outlives its owner.
#pragma once

#include <vector>

#include "platform/afx/geometry.h"
#include "platform/gdi/gdi.h"

class CDC;

class CGdiObject {
 public:
  CGdiObject() = default;
  virtual ~CGdiObject();
  CGdiObject(const CGdiObject&) = delete;
  CGdiObject& operator=(const CGdiObject&) = delete;

  HGDIOBJ m_hObject = 0;
  HGDIOBJ GetSafeHandle() const { return m_hObject; }
  operator HGDIOBJ() const { return m_hObject; }  // NOLINT: implicit, as the library's

  // Takes ownership of a handle; FALSE when the object already has one.
  BOOL Attach(HGDIOBJ object);
  // Gives up ownership without deleting.
  HGDIOBJ Detach();
  BOOL DeleteObject();
  int GetObject(int size, LPVOID buffer) const { return ::GetObject(m_hObject, size, buffer); }
  UINT GetObjectType() const { return static_cast<UINT>(::GetObjectType(m_hObject)); }

 private:
  friend class CDC;
  // The DCs this object is selected into (through CDC::SelectObject).
  std::vector<CDC*> selected_into_;
};

// Create and Load calls answer FALSE when the object already holds a handle.
class CBitmap : public CGdiObject {
 public:
  operator HBITMAP() const { return m_hObject; }  // NOLINT
  // From the application's resource module.
  BOOL LoadBitmap(UINT id);
  BOOL LoadBitmap(LPCSTR name);
  BOOL CreateBitmap(int width, int height, UINT planes, UINT bits_pixel, const void* bits);
  BOOL CreateCompatibleBitmap(CDC* dc, int width, int height);
  int GetBitmap(BITMAP* description) const { return GetObject(sizeof(BITMAP), description); }
};

class CBrush : public CGdiObject {
 public:
  CBrush() = default;
  explicit CBrush(COLORREF color) { CreateSolidBrush(color); }
  operator HBRUSH() const { return m_hObject; }  // NOLINT
  BOOL CreateSolidBrush(COLORREF color);
};

class CPalette : public CGdiObject {
 public:
  operator HPALETTE() const { return m_hObject; }  // NOLINT
  BOOL CreatePalette(const LOGPALETTE* palette);
  BOOL CreateHalftonePalette(CDC* dc);
  UINT SetPaletteEntries(UINT start, UINT count, const PALETTEENTRY* entries) {
    return ::SetPaletteEntries(m_hObject, start, count, entries);
  }
  UINT GetPaletteEntries(UINT start, UINT count, PALETTEENTRY* entries) const {
    return ::GetPaletteEntries(m_hObject, start, count, entries);
  }
  int GetEntryCount() const;
  UINT GetNearestPaletteIndex(COLORREF color) const { return ::GetNearestPaletteIndex(m_hObject, color); }
};
