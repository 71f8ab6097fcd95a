// CDC and its scoped kinds: selection bookkeeping, so that every object a
// CDC selected is selected out again before the DC or the object goes.
#include "platform/afx/device_context.h"

#include <algorithm>

CDC::~CDC() { Close(); }

BOOL CDC::CreateCompatibleDC(CDC* dc) {
  if (m_hDC != 0) return FALSE;
  const HDC created = ::CreateCompatibleDC(dc != nullptr ? dc->m_hDC : 0);
  if (created == 0) return FALSE;
  m_hDC = created;
  release_ = Release::Delete;
  return TRUE;
}

BOOL CDC::DeleteDC() {
  if (m_hDC == 0 || release_ != Release::Delete) return FALSE;
  Close();
  return TRUE;
}

BOOL CDC::Attach(HDC hdc) {
  if (m_hDC != 0 || hdc == 0) return FALSE;
  m_hDC = hdc;
  release_ = Release::Delete;
  return TRUE;
}

HDC CDC::Detach() {
  for (CGdiObject* object : current_) {
    if (object != nullptr) std::erase(object->selected_into_, this);
  }
  current_ = {};
  original_ = {};
  const HDC hdc = m_hDC;
  m_hDC = 0;
  release_ = Release::Borrowed;
  return hdc;
}

void CDC::Close() {
  if (m_hDC == 0) return;
  RestoreSelections();
  switch (release_) {
    case Release::Borrowed: break;
    case Release::Delete: ::DeleteDC(m_hDC); break;
    case Release::ReleaseWindowDC: ::ReleaseDC(window_, m_hDC); break;
    case Release::EndPaint: ::EndPaint(window_, paint_); break;
  }
  m_hDC = 0;
  release_ = Release::Borrowed;
}

int CDC::SlotOf(HGDIOBJ object) {
  switch (::GetObjectType(object)) {
    case OBJ_BITMAP: return kBitmapSlot;
    case OBJ_BRUSH: return kBrushSlot;
    case OBJ_PEN: return kPenSlot;
    case OBJ_PAL: return kPaletteSlot;
    default: return -1;
  }
}

void CDC::Track(int slot, HGDIOBJ previous, CGdiObject* object) {
  auto& original = original_[static_cast<std::size_t>(slot)];
  auto& current = current_[static_cast<std::size_t>(slot)];
  if (original == 0) original = previous;
  if (current != nullptr && current != object) std::erase(current->selected_into_, this);
  current = object;
  if (object != nullptr && std::find(object->selected_into_.begin(), object->selected_into_.end(), this) ==
                               object->selected_into_.end()) {
    object->selected_into_.push_back(this);
  }
}

void CDC::Forget(CGdiObject* object, bool reselect) {
  for (std::size_t slot = 0; slot < kSlotCount; ++slot) {
    if (current_[slot] != object) continue;
    current_[slot] = nullptr;
    if (!reselect || m_hDC == 0) continue;
    if (slot == kPaletteSlot) {
      ::SelectPalette(m_hDC, original_[slot], FALSE);
    } else {
      ::SelectObject(m_hDC, original_[slot]);
    }
  }
  std::erase(object->selected_into_, this);
}

void CDC::RestoreSelections() {
  for (std::size_t slot = 0; slot < kSlotCount; ++slot) {
    if (current_[slot] != nullptr) std::erase(current_[slot]->selected_into_, this);
    current_[slot] = nullptr;
    if (original_[slot] == 0) continue;
    if (slot == kPaletteSlot) {
      ::SelectPalette(m_hDC, original_[slot], FALSE);
    } else {
      ::SelectObject(m_hDC, original_[slot]);
    }
    original_[slot] = 0;
  }
}

HGDIOBJ CDC::SelectObject(CGdiObject* object) {
  if (object == nullptr) return 0;
  const int slot = SlotOf(object->m_hObject);
  if (slot < 0) return 0;
  const HGDIOBJ previous = slot == kPaletteSlot ? ::SelectPalette(m_hDC, object->m_hObject, FALSE)
                                                : ::SelectObject(m_hDC, object->m_hObject);
  if (previous != 0) Track(slot, previous, object);
  return previous;
}

HGDIOBJ CDC::SelectObject(HGDIOBJ object) {
  const int slot = SlotOf(object);
  if (slot < 0 || slot == kPaletteSlot) return 0;
  const HGDIOBJ previous = ::SelectObject(m_hDC, object);
  if (previous != 0) Track(slot, previous, nullptr);
  return previous;
}

HPALETTE CDC::SelectPalette(CPalette* palette, BOOL force_background) {
  if (palette == nullptr) return 0;
  const HPALETTE previous = ::SelectPalette(m_hDC, palette->m_hObject, force_background);
  if (previous != 0) Track(kPaletteSlot, previous, palette);
  return previous;
}

HPALETTE CDC::SelectPalette(HPALETTE palette, BOOL force_background) {
  const HPALETTE previous = ::SelectPalette(m_hDC, palette, force_background);
  if (previous != 0) Track(kPaletteSlot, previous, nullptr);
  return previous;
}

CPoint CDC::SetBrushOrg(int x, int y) {
  POINT previous{0, 0};
  ::SetBrushOrgEx(m_hDC, x, y, &previous);
  return CPoint(previous);
}

void CDC::FillSolidRect(LPCRECT rect, COLORREF color) {
  const HBRUSH brush = ::CreateSolidBrush(color);
  ::FillRect(m_hDC, rect, brush);
  ::DeleteObject(brush);
}

CPaintDC::CPaintDC(CWnd* window) : CPaintDC(window != nullptr ? window->m_hWnd : 0) {}

CPaintDC::CPaintDC(HWND window) {
  window_ = window;
  paint_ = &m_ps;
  m_hDC = ::BeginPaint(window, &m_ps);
  release_ = Release::EndPaint;
}

CClientDC::CClientDC(CWnd* window) : CClientDC(window != nullptr ? window->m_hWnd : 0) {}

CClientDC::CClientDC(HWND window) {
  window_ = window;
  m_hDC = ::GetDC(window);
  release_ = Release::ReleaseWindowDC;
}
