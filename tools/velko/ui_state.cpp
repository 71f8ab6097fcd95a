// The window tree as JSON for the browser, and the images of its pictures.
#include "tools/velko/ui_state.h"

#include <string_view>

#include "host/script/control_probe.h"
#include "host/script/surface_image.h"
#include "host/script/text_codec.h"
#include "platform/gdi/gdi.h"
#include "platform/user/painted_surface.h"
#include "platform/user/prompt.h"
#include "platform/user/user.h"

namespace velko::cli::ui {
namespace {

using Json = nlohmann::json;
using script::ControlClass;

std::string Utf8(std::string_view gb2312) { return script::Gb2312ToUtf8(gb2312); }

uint64_t HashPixels(const platform::Surface& s) {
  uint64_t h = 1469598103934665603ull;  // FNV-1a
  const auto mix = [&h](uint64_t v) {
    h ^= v;
    h *= 1099511628211ull;
  };
  mix(static_cast<uint64_t>(s.width) << 32 | static_cast<uint32_t>(s.height));
  for (COLORREF c : s.pixels) mix(c);
  return h;
}

std::string Hex(uint64_t v) {
  static constexpr char kDigits[] = "0123456789abcdef";
  std::string out(16, '0');
  for (int i = 15; i >= 0; --i, v >>= 4) out[static_cast<std::size_t>(i)] = kDigits[v & 15];
  return out;
}

// The window's rectangle in its parent's client area (top-level windows:
// on the screen).
void PutRect(Json& j, HWND window) {
  RECT r{};
  GetWindowRect(window, &r);
  const HWND parent = (GetWindowLong(window, GWL_STYLE) & WS_CHILD) != 0 ? GetParent(window) : 0;
  POINT at{r.left, r.top};
  if (parent != 0) ScreenToClient(parent, &at);
  j["x"] = at.x;
  j["y"] = at.y;
  j["w"] = r.right - r.left;
  j["h"] = r.bottom - r.top;
}

std::string_view ButtonKindName(LONG style) {
  switch (style & BS_TYPEMASK) {
    case BS_PUSHBUTTON: return "push";
    case BS_DEFPUSHBUTTON: return "default";
    case BS_CHECKBOX:
    case BS_AUTOCHECKBOX: return "check";
    case BS_3STATE:
    case BS_AUTO3STATE: return "check3";
    case BS_RADIOBUTTON:
    case BS_AUTORADIOBUTTON: return "radio";
    case BS_GROUPBOX: return "group";
    case BS_OWNERDRAW: return "picture";
    default: return "push";
  }
}

std::string_view StaticKindName(LONG style) {
  switch (style & SS_TYPEMASK) {
    case SS_CENTER: return "center";
    case SS_RIGHT: return "right";
    case SS_ICON:
    case SS_BITMAP:
    case SS_OWNERDRAW: return "picture";
    case SS_BLACKRECT:
    case SS_GRAYRECT:
    case SS_WHITERECT: return "rect";
    case SS_BLACKFRAME:
    case SS_GRAYFRAME:
    case SS_ETCHEDFRAME: return "frame";
    default: return "left";
  }
}

// Icons the platform's statics and buttons hold but do not paint: drawn
// onto the control's own surface so that they can be pictured like the
// owner-drawn ones.
bool PaintShownIcon(HWND control, ControlClass kind) {
  const HICON icon = static_cast<HICON>(kind == ControlClass::Static ? SendMessage(control, STM_GETICON, 0, 0)
                                                                      : SendMessage(control, BM_GETIMAGE, IMAGE_ICON, 0));
  if (icon == 0) return false;
  const HDC dc = GetDC(control);
  if (dc == 0) return false;
  RECT r{};
  GetClientRect(control, &r);
  const HBRUSH face = CreateSolidBrush(platform::kDialogFaceColor);
  FillRect(dc, &r, face);
  DeleteObject(face);
  DrawIcon(dc, 0, 0, icon);
  ReleaseDC(control, dc);
  return true;
}

void PutRange(Json& j, HWND control, ControlClass kind) {
  switch (kind) {
    case ControlClass::ScrollBar: {
      SCROLLINFO info{sizeof(SCROLLINFO), SIF_ALL, 0, 0, 0, 0, 0};
      GetScrollInfo(control, SB_CTL, &info);
      j["min"] = info.nMin;
      j["max"] = info.nMax;
      j["vertical"] = (GetWindowLong(control, GWL_STYLE) & SBS_VERT) != 0;
      break;
    }
    case ControlClass::Trackbar:
      j["min"] = static_cast<int>(SendMessage(control, TBM_GETRANGEMIN, 0, 0));
      j["max"] = static_cast<int>(SendMessage(control, TBM_GETRANGEMAX, 0, 0));
      j["vertical"] = (GetWindowLong(control, GWL_STYLE) & TBS_VERT) != 0;
      break;
    case ControlClass::UpDown: {
      int low = 0, high = 0;
      SendMessage(control, UDM_GETRANGE32, reinterpret_cast<WPARAM>(&low), reinterpret_cast<LPARAM>(&high));
      j["min"] = low;
      j["max"] = high;
      break;
    }
    default: break;
  }
}

Json WindowJson(HWND window, ImageCache& images);

Json Children(HWND window, ImageCache& images) {
  Json list = Json::array();
  for (HWND child = GetWindow(window, GW_CHILD); child != 0; child = GetWindow(child, GW_HWNDNEXT)) {
    if ((GetWindowLong(child, GWL_STYLE) & WS_VISIBLE) == 0) continue;
    list.push_back(WindowJson(child, images));
  }
  return list;
}

Json ControlJson(HWND control, ImageCache& images) {
  Json j = script::ControlToJson(control);
  j["hwnd"] = control;
  PutRect(j, control);
  const LONG style = GetWindowLong(control, GWL_STYLE);
  const ControlClass kind = script::ClassOf(control);
  switch (kind) {
    case ControlClass::Button: j["kind"] = ButtonKindName(style); break;
    case ControlClass::Static:
      j["kind"] = StaticKindName(style);
      j["notify"] = (style & SS_NOTIFY) != 0;
      break;
    case ControlClass::Edit:
      j["readonly"] = (style & ES_READONLY) != 0;
      j["multiline"] = (style & ES_MULTILINE) != 0;
      j["password"] = (style & ES_PASSWORD) != 0;
      break;
    case ControlClass::ComboBox: j["kind"] = (style & 0x3) == CBS_DROPDOWNLIST ? "list" : "edit"; break;
    default: break;
  }
  PutRange(j, control, kind);
  const bool icon = (kind == ControlClass::Static || kind == ControlClass::Button) && j.value("icon", 0) != 0;
  if ((icon && PaintShownIcon(control, kind)) || script::IsOwnerDrawn(control) ||
      platform::PaintedSurface(control) != nullptr) {
    j["image"] = images.Refresh(control, false);
  }
  return j;
}

// A dialog (top-level, or a page inside a sheet): its caption, background
// picture, tabs when it is a property sheet, and its children.
Json DialogJson(HWND dialog, ImageCache& images) {
  Json j;
  j["hwnd"] = dialog;
  j["id"] = GetDlgCtrlID(dialog);
  j["class"] = "#32770";
  j["template"] = platform::DialogTemplateId(dialog);
  j["text"] = Utf8(platform::WindowText(dialog));
  j["enabled"] = IsWindowEnabled(dialog) != FALSE;
  PutRect(j, dialog);
  RECT client{};
  GetClientRect(dialog, &client);
  POINT origin{0, 0};
  ClientToScreen(dialog, &origin);
  RECT outer{};
  GetWindowRect(dialog, &outer);
  j["client"] = {{"x", origin.x - outer.left}, {"y", origin.y - outer.top}, {"w", client.right}, {"h", client.bottom}};
  j["image"] = images.Refresh(dialog, false);
  if (platform::IsPropertySheet(dialog)) {
    Json tabs = Json::array();
    for (int i = 0; i < platform::PropertySheetPageCount(dialog); ++i) {
      tabs.push_back(Utf8(platform::PropertySheetPageTitle(dialog, i)));
    }
    j["tabs"] = std::move(tabs);
    j["activeTab"] = platform::PropertySheetActivePage(dialog);
  }
  j["children"] = Children(dialog, images);
  return j;
}

Json WindowJson(HWND window, ImageCache& images) {
  if (script::ClassOf(window) == ControlClass::Dialog) return DialogJson(window, images);
  return ControlJson(window, images);
}

std::string_view MessageButtons(UINT type) {
  switch (type & MB_TYPEMASK) {
    case MB_OKCANCEL: return "okcancel";
    case MB_YESNO: return "yesno";
    case MB_YESNOCANCEL: return "yesnocancel";
    case MB_RETRYCANCEL: return "retrycancel";
    case MB_ABORTRETRYIGNORE: return "abortretryignore";
    default: return "ok";
  }
}

Json PromptJson(const platform::WaitingPrompt& p) {
  Json j;
  j["owner"] = p.owner;
  j["caption"] = Utf8(p.caption);
  j["text"] = Utf8(p.text);
  if (p.kind == platform::WaitingPrompt::Kind::MessageBox) {
    j["kind"] = "message";
    j["buttons"] = MessageButtons(p.type);
    j["icon"] = p.type & MB_ICONMASK;
  } else {
    j["kind"] = "open";
    j["filter"] = Utf8(p.filter);
    j["initialDir"] = Utf8(p.initial_dir);
    j["defaultExtension"] = Utf8(p.default_extension);
  }
  return j;
}

}  // namespace

std::string ImageCache::Refresh(HWND window, bool with_children) {
  const std::optional<platform::Surface> pixels = script::CaptureWindow(window, with_children);
  if (!pixels) return {};
  const uint64_t hash = HashPixels(*pixels);
  Entry& e = entries_[window];
  if (e.hash != hash || e.png.empty()) {
    e.hash = hash;
    e.png = script::EncodePng(*pixels);
  }
  return Hex(hash);
}

std::optional<std::vector<uint8_t>> ImageCache::Png(HWND window, const std::string& version) const {
  const auto it = entries_.find(window);
  if (it == entries_.end() || it->second.png.empty()) return std::nullopt;
  if (!version.empty() && version != Hex(it->second.hash)) return std::nullopt;
  return it->second.png;
}

void ImageCache::Prune() { std::erase_if(entries_, [](const auto& e) { return !IsWindow(e.first); }); }

HWND ActionWindow(HWND sheet) {
  const HWND target = platform::ActionTarget(sheet);
  return IsWindow(target) ? target : 0;
}

nlohmann::json ScreenJson(HWND sheet, ImageCache& images) {
  images.Prune();
  Json j;
  Json windows = Json::array();
  for (HWND top : platform::TopLevelWindows()) {
    if (!IsWindowVisible(top)) continue;
    windows.push_back(DialogJson(top, images));
  }
  j["windows"] = std::move(windows);
  j["target"] = ActionWindow(sheet);
  const platform::WaitingPrompt* prompt = platform::CurrentPrompt();
  j["prompt"] = prompt != nullptr ? PromptJson(*prompt) : Json(nullptr);
  return j;
}

}  // namespace velko::cli::ui
