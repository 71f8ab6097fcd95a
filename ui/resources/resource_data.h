// The shape of a module's compiled resources: dialog templates, the string
// table, bitmaps and icons, as plain constant data. velko_rc turns a module's
// description (a .res.json file) into constexpr tables of these structs; the
// module's registration hands them to the platform, which loads them by id
// through the module handle.
//
// All texts are GB2312 bytes, converted from the UTF-8 description when the
// module is built. Bitmaps and icons are complete BMP files, so the
// platform's BMP reader loads them like any file on disk.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

namespace velko::res {

// Id of a control that no code addresses (labels, decorative frames).
inline constexpr int kUnnamedControl = -1;

struct ResControl {
  int id;
  const char* cls;   // "BUTTON", "EDIT", "msctls_updown32", ...
  const char* text;  // GB2312; empty for controls without text
  uint32_t style;    // window and class style bits, WS_CHILD included
  int16_t x, y, cx, cy;  // dialog units
  int image;         // icon or bitmap id shown at creation (SS_ICON, BS_ICON), else 0
};

struct ResDialog {
  int id;
  const char* caption;  // GB2312
  const char* font;     // GB2312 face name
  int16_t point_size;
  uint32_t style;
  int16_t cx, cy;       // dialog units
  std::span<const ResControl> controls;

  constexpr const ResControl* Control(int control_id) const {
    for (const ResControl& c : controls)
      if (c.id == control_id) return &c;
    return nullptr;
  }
};

struct ResString {
  int id;
  const char* text;  // GB2312
};

enum class ResImageKind : uint8_t { Bitmap, Icon };

struct ResImage {
  int id;
  ResImageKind kind;
  int width, height, bits;  // as in the BMP's info header
  std::span<const uint8_t> bmp;  // the whole BMP file
};

struct ResModule {
  const char* name;
  std::span<const ResDialog> dialogs;
  std::span<const ResString> strings;
  std::span<const ResImage> images;

  constexpr const ResDialog* Dialog(int id) const {
    for (const ResDialog& d : dialogs)
      if (d.id == id) return &d;
    return nullptr;
  }
  constexpr const ResString* String(int id) const {
    for (const ResString& s : strings)
      if (s.id == id) return &s;
    return nullptr;
  }
  constexpr const ResImage* Image(ResImageKind kind, int id) const {
    for (const ResImage& i : images)
      if (i.kind == kind && i.id == id) return &i;
    return nullptr;
  }
  constexpr const ResImage* Bitmap(int id) const { return Image(ResImageKind::Bitmap, id); }
  constexpr const ResImage* Icon(int id) const { return Image(ResImageKind::Icon, id); }
};

}  // namespace velko::res
