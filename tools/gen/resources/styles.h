// Window, dialog and control style names that a description may use, with
// their Win32 values and the class each one belongs to.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace velko::resgen {

struct StyleName {
  std::string_view name;
  uint32_t value;
  std::string_view cls;  // "" for window and dialog styles, valid on any
};

// clang-format off
inline constexpr std::array kStyleNames = {
  StyleName{"WS_POPUP", 0x80000000u, ""},
  StyleName{"WS_CHILD", 0x40000000u, ""},
  StyleName{"WS_VISIBLE", 0x10000000u, ""},
  StyleName{"WS_DISABLED", 0x08000000u, ""},
  StyleName{"WS_CAPTION", 0x00C00000u, ""},
  StyleName{"WS_BORDER", 0x00800000u, ""},
  StyleName{"WS_VSCROLL", 0x00200000u, ""},
  StyleName{"WS_HSCROLL", 0x00100000u, ""},
  StyleName{"WS_SYSMENU", 0x00080000u, ""},
  StyleName{"WS_GROUP", 0x00020000u, ""},
  StyleName{"WS_TABSTOP", 0x00010000u, ""},
  StyleName{"DS_3DLOOK", 0x0004u, "#dialog"},
  StyleName{"DS_SETFONT", 0x0040u, "#dialog"},
  StyleName{"DS_MODALFRAME", 0x0080u, "#dialog"},
  StyleName{"DS_CONTROL", 0x0400u, "#dialog"},
  StyleName{"DS_CENTER", 0x0800u, "#dialog"},
  StyleName{"DS_CONTEXTHELP", 0x2000u, "#dialog"},
  StyleName{"BS_PUSHBUTTON", 0x0000u, "BUTTON"},
  StyleName{"BS_DEFPUSHBUTTON", 0x0001u, "BUTTON"},
  StyleName{"BS_AUTOCHECKBOX", 0x0003u, "BUTTON"},
  StyleName{"BS_GROUPBOX", 0x0007u, "BUTTON"},
  StyleName{"BS_AUTORADIOBUTTON", 0x0009u, "BUTTON"},
  StyleName{"BS_ICON", 0x0040u, "BUTTON"},
  StyleName{"BS_NOTIFY", 0x4000u, "BUTTON"},
  StyleName{"ES_LEFT", 0x0000u, "EDIT"},
  StyleName{"ES_RIGHT", 0x0002u, "EDIT"},
  StyleName{"ES_AUTOHSCROLL", 0x0080u, "EDIT"},
  StyleName{"ES_NUMBER", 0x2000u, "EDIT"},
  StyleName{"CBS_DROPDOWNLIST", 0x0003u, "COMBOBOX"},
  StyleName{"CBS_AUTOHSCROLL", 0x0040u, "COMBOBOX"},
  StyleName{"LBS_NOTIFY", 0x0001u, "LISTBOX"},
  StyleName{"LBS_SORT", 0x0002u, "LISTBOX"},
  StyleName{"LBS_NOINTEGRALHEIGHT", 0x0100u, "LISTBOX"},
  StyleName{"SBS_HORZ", 0x0000u, "SCROLLBAR"},
  StyleName{"SBS_VERT", 0x0001u, "SCROLLBAR"},
  StyleName{"SS_LEFT", 0x0000u, "STATIC"},
  StyleName{"SS_CENTER", 0x0001u, "STATIC"},
  StyleName{"SS_RIGHT", 0x0002u, "STATIC"},
  StyleName{"SS_ICON", 0x0003u, "STATIC"},
  StyleName{"SS_BLACKFRAME", 0x0007u, "STATIC"},
  StyleName{"SS_GRAYFRAME", 0x0008u, "STATIC"},
  StyleName{"SS_ETCHEDFRAME", 0x0012u, "STATIC"},
  StyleName{"SS_CENTERIMAGE", 0x0200u, "STATIC"},
  StyleName{"SS_SUNKEN", 0x1000u, "STATIC"},
  StyleName{"TBS_HORZ", 0x0000u, "msctls_trackbar32"},
  StyleName{"TBS_AUTOTICKS", 0x0001u, "msctls_trackbar32"},
  StyleName{"TBS_BOTH", 0x0008u, "msctls_trackbar32"},
  StyleName{"UDS_SETBUDDYINT", 0x0002u, "msctls_updown32"},
  StyleName{"UDS_ALIGNRIGHT", 0x0004u, "msctls_updown32"},
  StyleName{"UDS_AUTOBUDDY", 0x0010u, "msctls_updown32"},
  StyleName{"UDS_ARROWKEYS", 0x0020u, "msctls_updown32"},
  StyleName{"UDS_NOTHOUSANDS", 0x0080u, "msctls_updown32"},
};
// clang-format on

inline constexpr std::array<std::string_view, 8> kControlClasses = {
    "BUTTON", "EDIT", "COMBOBOX", "LISTBOX", "SCROLLBAR", "STATIC", "msctls_trackbar32", "msctls_updown32",
};

inline constexpr uint32_t kWsChild = 0x40000000u;
inline constexpr uint32_t kWsVisible = 0x10000000u;
inline constexpr uint32_t kDsSetFont = 0x0040u;

constexpr const StyleName* FindStyle(std::string_view name) {
  for (const StyleName& s : kStyleNames)
    if (s.name == name) return &s;
  return nullptr;
}

constexpr bool NamesUnique() {
  for (std::size_t i = 0; i < kStyleNames.size(); ++i)
    for (std::size_t j = i + 1; j < kStyleNames.size(); ++j)
      if (kStyleNames[i].name == kStyleNames[j].name) return false;
  return true;
}
static_assert(NamesUnique(), "each style name appears once");

}  // namespace velko::resgen
