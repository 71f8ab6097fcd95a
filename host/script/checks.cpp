// The checks of the script language, one small function per kind.
#include "host/script/checks.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "host/script/control_probe.h"
#include "host/script/surface_image.h"
#include "host/script/text_codec.h"
#include "platform/kernel/drive.h"
#include "platform/kernel/profile.h"
#include "platform/user/user.h"

namespace velko::script {
namespace {

CheckResult Compare(bool passed, std::string expected, std::string actual) {
  return CheckResult{passed, std::move(expected), std::move(actual), false};
}

CheckResult CompareNumbers(int64_t expected, int64_t actual) {
  return Compare(expected == actual, std::to_string(expected), std::to_string(actual));
}

CheckResult CompareTexts(const std::string& expected, const std::string& actual) {
  return Compare(expected == actual, Quoted(Gb2312ToUtf8(expected)), Quoted(Gb2312ToUtf8(actual)));
}

// The check cannot look at what it names; `why` stands for the actual value.
CheckResult Missing(std::string expected, std::string why) {
  return CheckResult{false, std::move(expected), std::move(why), true};
}

// "R G B" as the script writes a color.
std::string DescribeColor(COLORREF c) {
  return std::to_string(c & 0xFF) + " " + std::to_string((c >> 8) & 0xFF) + " " + std::to_string((c >> 16) & 0xFF);
}

std::string ExpectedOf(const Check& c) {
  switch (c.kind) {
    case CheckKind::Text:
    case CheckKind::Item:
    case CheckKind::Message:
    case CheckKind::Ini: return Quoted(Gb2312ToUtf8(c.text));
    case CheckKind::Field: return DescribeValue(c.value);
    case CheckKind::Dialog: return c.none ? "none" : std::to_string(c.number);
    case CheckKind::Set: return DescribeValue(c.value);
    case CheckKind::Shot: return "a picture in " + c.text;
    case CheckKind::Pixel: return DescribeColor(static_cast<COLORREF>(c.number));
    default: return std::to_string(c.number);
  }
}

HWND Target(const ScriptWorld& world) {
  const HWND base = world.base_window ? world.base_window() : 0;
  const HWND target = platform::ActionTarget(base);
  return IsWindow(target) ? target : 0;
}

std::string PlaceName(HWND target) {
  const std::string id = std::to_string(platform::DialogTemplateId(target));
  return platform::IsPropertySheet(target) ? "page " + id : "dialog " + id;
}

struct Located {
  HWND control = 0;
  std::string problem;
};

Located Locate(const ScriptWorld& world, int id) {
  const HWND target = Target(world);
  if (target == 0) return {0, "no dialog or page is open"};
  const HWND control = platform::FindActionControl(target, id);
  if (control == 0) return {0, "no control " + std::to_string(id) + " on " + PlaceName(target)};
  return {control, {}};
}

std::string NotA(HWND control, int id, std::string_view wanted) {
  return "control " + std::to_string(id) + " is a " + ClassName(control) + ", not " + std::string(wanted);
}

CheckResult CheckControl(const Check& c, HWND control) {
  const ControlClass kind = ClassOf(control);
  switch (c.kind) {
    case CheckKind::Text: return CompareTexts(c.text, platform::WindowText(control));
    case CheckKind::Checked:
      if (kind != ControlClass::Button) return Missing(ExpectedOf(c), NotA(control, c.id, "a button"));
      return CompareNumbers(c.number, SendMessage(control, BM_GETCHECK, 0, 0));
    case CheckKind::Enabled: return CompareNumbers(c.number, IsWindowEnabled(control) ? 1 : 0);
    case CheckKind::Visible: return CompareNumbers(c.number, IsWindowVisible(control) ? 1 : 0);
    case CheckKind::Icon:
      if (kind != ControlClass::Static && kind != ControlClass::Button) {
        return Missing(ExpectedOf(c), NotA(control, c.id, "a static or a button"));
      }
      return CompareNumbers(c.number, ShownIconResource(control));
    default: break;
  }
  if (!IsList(kind)) return Missing(ExpectedOf(c), NotA(control, c.id, "a combo box or list box"));
  if (c.kind == CheckKind::Selected) return CompareNumbers(c.number, ListSelection(control));
  const std::vector<std::string> items = ListItems(control);
  switch (c.kind) {
    case CheckKind::Count: return CompareNumbers(c.number, static_cast<int64_t>(items.size()));
    case CheckKind::Item:
      if (c.number >= static_cast<int64_t>(items.size())) {
        return Missing(ExpectedOf(c), "no item " + std::to_string(c.number) + " (it has " +
                                          std::to_string(items.size()) + ")");
      }
      return CompareTexts(c.text, items[static_cast<std::size_t>(c.number)]);
    default: return Missing(ExpectedOf(c), "not a control check");
  }
}

bool SameReal(double a, double b) { return std::fabs(a - b) <= 1e-9 * std::max({1.0, std::fabs(a), std::fabs(b)}); }

CheckResult CheckField(const Check& c, const ScriptWorld& world) {
  if (world.record == nullptr) return Missing(ExpectedOf(c), "there is no settings record");
  const FieldValue actual = ReadField(*world.record, c.field);
  bool same = false;
  if (const auto* d = std::get_if<double>(&actual)) {
    same = SameReal(std::get<double>(c.value), *d);
  } else {
    same = actual == c.value;
  }
  return Compare(same, DescribeValue(c.value), DescribeValue(actual));
}

CheckResult SetField(const Check& c, const ScriptWorld& world) {
  if (world.record == nullptr) return Missing(ExpectedOf(c), "there is no settings record");
  WriteField(*world.record, c.field, c.value);
  return Compare(true, ExpectedOf(c), ExpectedOf(c));
}

// The window `shot` and `expect pixel` read: the control, or for id 0 the
// modal dialog or the sheet's current page.
Located Pictured(const ScriptWorld& world, int id) {
  if (id != 0) return Locate(world, id);
  const HWND target = Target(world);
  if (target == 0) return {0, "no dialog or page is open"};
  if (!platform::IsPropertySheet(target)) return {target, {}};
  const HWND page = platform::PropertySheetPage(target, platform::PropertySheetActivePage(target));
  return page != 0 ? Located{page, {}} : Located{0, "the sheet shows no page"};
}

CheckResult TakeShot(const Check& c, const ScriptWorld& world) {
  const Located at = Pictured(world, c.id);
  if (at.control == 0) return Missing(ExpectedOf(c), at.problem);
  const std::optional<platform::Surface> picture = CaptureWindow(at.control, c.id == 0);
  if (!picture) return Missing(ExpectedOf(c), "the window has no pixels");
  std::string error = WritePngFile(*picture, c.text);
  if (!error.empty()) return Missing(ExpectedOf(c), std::move(error));
  return Compare(true, ExpectedOf(c), ExpectedOf(c));
}

CheckResult CheckPixel(const Check& c, const ScriptWorld& world) {
  const Located at = Pictured(world, c.id);
  if (at.control == 0) return Missing(ExpectedOf(c), at.problem);
  const std::optional<platform::Surface> picture = CaptureWindow(at.control, c.id == 0);
  if (!picture) return Missing(ExpectedOf(c), "the window has no pixels");
  if (c.x >= picture->width || c.y >= picture->height) {
    std::string where = "the pixel ";
    where.append(std::to_string(c.x)).append(",").append(std::to_string(c.y)).append(" lies outside its ");
    where.append(std::to_string(picture->width)).append("x").append(std::to_string(picture->height));
    return Missing(ExpectedOf(c), where.append(" pixels"));
  }
  const COLORREF actual = picture->pixels[static_cast<std::size_t>(c.y) * picture->width + c.x];
  return Compare(actual == static_cast<COLORREF>(c.number), ExpectedOf(c), DescribeColor(actual));
}

CheckResult CheckDialog(const Check& c, const ScriptWorld& world) {
  const HWND target = Target(world);
  const std::string actual = target == 0 ? "none" : std::to_string(platform::DialogTemplateId(target));
  return Compare(actual == ExpectedOf(c), ExpectedOf(c), actual);
}

CheckResult CheckMessage(const Check& c) {
  const auto& boxes = platform::UserRecords().message_boxes;
  if (boxes.empty()) return Missing(ExpectedOf(c), "no message box was shown");
  return CompareTexts(c.text, boxes.back().text);
}

CheckResult CheckHelp(const Check& c) {
  const auto& help = platform::UserRecords().help;
  const auto it = std::find_if(help.rbegin(), help.rend(),
                               [&](const platform::HelpRecord& r) { return r.control_id == c.id; });
  const std::string control = "control " + std::to_string(c.id);
  if (it == help.rend()) return Missing(ExpectedOf(c), "no help was asked for " + control);
  if (!it->table_ok) return Missing(ExpectedOf(c), "the help table does not end with two zeros");
  if (!it->found) return Missing(ExpectedOf(c), control + " is not in the help table");
  return CompareNumbers(c.number, it->context);
}

// A fallback no value in an INI file can have, to tell a missing key.
constexpr const char* kNoValue = "\x01";

CheckResult CheckIni(const Check& c) {
  const std::string path = VelkoIniPath();
  std::string value(1024, '\0');
  for (;;) {
    const DWORD n = GetPrivateProfileStringA(c.section.c_str(), c.key.c_str(), kNoValue, value.data(),
                                             static_cast<DWORD>(value.size()), path.c_str());
    if (n + 1 < value.size() || value.size() >= (1u << 24)) {
      value.resize(n);
      break;
    }
    value.assign(value.size() * 4, '\0');
  }
  if (value == kNoValue) {
    return Missing(ExpectedOf(c), "no key " + Gb2312ToUtf8(c.key) + " in section [" + Gb2312ToUtf8(c.section) +
                                      "] of " + Gb2312ToUtf8(path));
  }
  return CompareTexts(c.text, value);
}

}  // namespace

CheckResult EvaluateCheck(const Check& c, const ScriptWorld& world) {
  switch (c.kind) {
    case CheckKind::Field: return CheckField(c, world);
    case CheckKind::Dialog: return CheckDialog(c, world);
    case CheckKind::Message: return CheckMessage(c);
    case CheckKind::Help: return CheckHelp(c);
    case CheckKind::Ini: return CheckIni(c);
    case CheckKind::Set: return SetField(c, world);
    case CheckKind::Shot: return TakeShot(c, world);
    case CheckKind::Pixel: return CheckPixel(c, world);
    case CheckKind::DumpRecord:
    case CheckKind::DumpControl: return Missing("", "a dump is not a check");
    default: break;
  }
  const Located at = Locate(world, c.id);
  if (at.control == 0) return Missing(ExpectedOf(c), at.problem);
  return CheckControl(c, at.control);
}

nlohmann::ordered_json EvaluateDump(const Check& dump, const ScriptWorld& world) {
  if (dump.kind == CheckKind::DumpRecord) {
    if (world.record == nullptr) return {{"error", "there is no settings record"}};
    return RecordToJson(*world.record);
  }
  const Located at = Locate(world, dump.id);
  if (at.control == 0) return {{"error", at.problem}};
  return ControlToJson(at.control);
}

std::string VelkoIniPath() {
  constexpr std::string_view kIniName = "\\Velko.ini";
  char directory[MAX_PATH] = {};
  const UINT length = GetSystemDirectoryA(directory, MAX_PATH);
  const bool fits = length != 0 && length == strnlen(directory, MAX_PATH) && length + kIniName.size() < MAX_PATH;
  return (fits ? std::string(directory, length) : std::string("\\windows\\system")) + std::string(kIniName);
}

}  // namespace velko::script
