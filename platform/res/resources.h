// Resources compiled into a module: each module registers its table of
// (type, id) -> bytes under its module handle, and the loaders (LoadImage,
// LoadBitmap, LoadIcon, and the dialog and string loaders of the window
// manager) look them up by that handle. The bytes are referenced, not copied:
// they live in the module's data as long as the module.
//
// Formats the loaders expect:
//   RT_BITMAP  a packed DIB (BITMAPINFOHEADER or BITMAPCOREHEADER, color
//              table, bits), as in the resources of the system's modules; a
//              whole BMP file (starting "BM") is accepted as well.
//   RT_ICON    the same, one image per icon; a 32-bit image whose alpha bytes
//              are not all zero uses alpha 0 as transparent, any other image
//              is opaque.
// Other types (dialogs, strings) are the window manager's to define.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

#include "platform/win32_types.h"

// A resource id in the place of a resource name, as the system passes it.
inline LPSTR MAKEINTRESOURCE(WORD id) {
  return reinterpret_cast<LPSTR>(static_cast<uintptr_t>(id));
}
inline bool IS_INTRESOURCE(LPCSTR name) {
  return (reinterpret_cast<uintptr_t>(name) >> 16) == 0;
}

namespace velko::platform {

// Resource types, numbered as Win32 numbers them.
enum ResourceType : WORD {
  kResourceBitmap = 2,   // RT_BITMAP
  kResourceIcon = 3,     // RT_ICON
  kResourceDialog = 5,   // RT_DIALOG
  kResourceString = 6,   // RT_STRING
};

struct ResourceEntry {
  WORD type;
  WORD id;
  const uint8_t* data;
  std::size_t size;
};

// Adds or replaces the module's entries. A module calls it once at load.
void RegisterResources(HINSTANCE module, std::span<const ResourceEntry> entries);

// Forgets every resource of the module (at unload, and between tests).
void UnregisterResources(HINSTANCE module);

// The bytes of a resource, or an empty span when the module has none of
// that type and id.
std::span<const uint8_t> FindResourceBytes(HINSTANCE module, WORD type, WORD id);

}  // namespace velko::platform
