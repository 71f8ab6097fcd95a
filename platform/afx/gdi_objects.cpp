// The GDI object wrappers: creation into an empty wrapper, and deletion
// that first takes the object out of the DCs it is selected into.
#include "platform/afx/gdi_objects.h"

#include "platform/afx/app.h"
#include "platform/afx/device_context.h"

CGdiObject::~CGdiObject() { DeleteObject(); }

BOOL CGdiObject::Attach(HGDIOBJ object) {
  if (m_hObject != 0 || object == 0) return FALSE;
  m_hObject = object;
  return TRUE;
}

HGDIOBJ CGdiObject::Detach() {
  for (CDC* dc : std::vector<CDC*>(selected_into_)) dc->Forget(this, false);
  const HGDIOBJ object = m_hObject;
  m_hObject = 0;
  return object;
}

BOOL CGdiObject::DeleteObject() {
  if (m_hObject == 0) return FALSE;
  for (CDC* dc : std::vector<CDC*>(selected_into_)) dc->Forget(this, true);
  const BOOL deleted = ::DeleteObject(m_hObject);
  m_hObject = 0;
  return deleted;
}

BOOL CBitmap::LoadBitmap(UINT id) { return LoadBitmap(MAKEINTRESOURCE(static_cast<WORD>(id))); }

BOOL CBitmap::LoadBitmap(LPCSTR name) {
  if (m_hObject != 0) return FALSE;
  return Attach(::LoadBitmap(AfxGetResourceHandle(), name));
}

BOOL CBitmap::CreateBitmap(int width, int height, UINT planes, UINT bits_pixel, const void* bits) {
  if (m_hObject != 0) return FALSE;
  return Attach(::CreateBitmap(width, height, planes, bits_pixel, bits));
}

BOOL CBitmap::CreateCompatibleBitmap(CDC* dc, int width, int height) {
  if (m_hObject != 0 || dc == nullptr) return FALSE;
  return Attach(::CreateCompatibleBitmap(dc->m_hDC, width, height));
}

BOOL CBrush::CreateSolidBrush(COLORREF color) {
  if (m_hObject != 0) return FALSE;
  return Attach(::CreateSolidBrush(color));
}

BOOL CPalette::CreatePalette(const LOGPALETTE* palette) {
  if (m_hObject != 0 || palette == nullptr) return FALSE;
  return Attach(::CreatePalette(palette));
}

BOOL CPalette::CreateHalftonePalette(CDC* dc) {
  if (m_hObject != 0) return FALSE;
  return Attach(::CreateHalftonePalette(dc != nullptr ? dc->m_hDC : 0));
}

int CPalette::GetEntryCount() const {
  WORD count = 0;
  return GetObject(sizeof count, &count) == sizeof count ? count : 0;
}
