// Reading controls through their messages.
#include "host/script/control_probe.h"

#include <array>
#include <string_view>

#include "host/script/text_codec.h"
#include "platform/gdi/gdi.h"
#include "platform/user/user.h"

namespace velko::script {
namespace {

struct ClassEntry {
  std::string_view name;
  ControlClass kind;
};

constexpr std::array<ClassEntry, 9> kClasses{{
    {"BUTTON", ControlClass::Button},
    {"EDIT", ControlClass::Edit},
    {"COMBOBOX", ControlClass::ComboBox},
    {"LISTBOX", ControlClass::ListBox},
    {"SCROLLBAR", ControlClass::ScrollBar},
    {"STATIC", ControlClass::Static},
    {"msctls_trackbar32", ControlClass::Trackbar},
    {"msctls_updown32", ControlClass::UpDown},
    {"#32770", ControlClass::Dialog},
}};

std::string ItemText(HWND list, bool combo, int index) {
  const LRESULT length = SendMessage(list, combo ? CB_GETLBTEXTLEN : LB_GETTEXTLEN, static_cast<WPARAM>(index), 0);
  if (length < 0) return {};
  std::string text(static_cast<std::size_t>(length) + 1, '\0');
  SendMessage(list, combo ? CB_GETLBTEXT : LB_GETTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()));
  text.resize(std::char_traits<char>::length(text.c_str()));
  return text;
}

}  // namespace

ControlClass ClassOf(HWND control) {
  const std::string_view name = platform::WindowClassName(control);
  for (const ClassEntry& entry : kClasses) {
    if (platform::EqualNoCase(name, entry.name)) return entry.kind;
  }
  return ControlClass::Other;
}

std::string ClassName(HWND control) { return std::string(platform::WindowClassName(control)); }

bool IsList(ControlClass c) { return c == ControlClass::ComboBox || c == ControlClass::ListBox; }

std::vector<std::string> ListItems(HWND list) {
  const bool combo = ClassOf(list) == ControlClass::ComboBox;
  const LRESULT count = SendMessage(list, combo ? CB_GETCOUNT : LB_GETCOUNT, 0, 0);
  std::vector<std::string> items;
  for (int i = 0; i < count; ++i) items.push_back(ItemText(list, combo, i));
  return items;
}

int ListSelection(HWND list) {
  const bool combo = ClassOf(list) == ControlClass::ComboBox;
  return static_cast<int>(SendMessage(list, combo ? CB_GETCURSEL : LB_GETCURSEL, 0, 0));
}

int ShownIconResource(HWND control) {
  HICON icon = 0;
  switch (ClassOf(control)) {
    case ControlClass::Static: icon = static_cast<HICON>(SendMessage(control, STM_GETICON, 0, 0)); break;
    case ControlClass::Button: icon = static_cast<HICON>(SendMessage(control, BM_GETIMAGE, IMAGE_ICON, 0)); break;
    default: return 0;
  }
  return icon != 0 ? platform::IconResourceId(icon) : 0;
}

std::optional<int> ControlPosition(HWND control) {
  switch (ClassOf(control)) {
    case ControlClass::ScrollBar: return GetScrollPos(control, SB_CTL);
    case ControlClass::Trackbar: return static_cast<int>(SendMessage(control, TBM_GETPOS, 0, 0));
    case ControlClass::UpDown: return static_cast<int>(SendMessage(control, UDM_GETPOS32, 0, 0));
    default: return std::nullopt;
  }
}

nlohmann::ordered_json ControlToJson(HWND control) {
  nlohmann::ordered_json json;
  json["id"] = GetDlgCtrlID(control);
  json["class"] = ClassName(control);
  json["text"] = Gb2312ToUtf8(platform::WindowText(control));
  json["enabled"] = IsWindowEnabled(control) != FALSE;
  json["visible"] = IsWindowVisible(control) != FALSE;
  const ControlClass kind = ClassOf(control);
  if (kind == ControlClass::Button) json["checked"] = static_cast<int>(SendMessage(control, BM_GETCHECK, 0, 0));
  if (IsList(kind)) {
    nlohmann::ordered_json items = nlohmann::ordered_json::array();
    for (const std::string& item : ListItems(control)) items.push_back(Gb2312ToUtf8(item));
    json["items"] = std::move(items);
    json["selected"] = ListSelection(control);
  }
  if (const std::optional<int> pos = ControlPosition(control)) json["position"] = *pos;
  if (kind == ControlClass::Static || kind == ControlClass::Button) json["icon"] = ShownIconResource(control);
  return json;
}

}  // namespace velko::script
