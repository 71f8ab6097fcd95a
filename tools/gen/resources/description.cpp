// Reading and checking a resource description: every id, class, style name,
// rectangle and text is checked here, so that a fault stops the build with a
// message that says where it is.
#include "tools/gen/resources/description.h"

#include <algorithm>
#include <set>

#include "tools/gen/resources/gb2312.h"
#include "tools/gen/resources/images.h"
#include "tools/gen/resources/styles.h"

namespace velko::resgen {
namespace {

using nlohmann::json;

[[noreturn]] void Fail(const std::string& where, const std::string& what) {
  throw DescriptionError(where + ": " + what);
}

const json& Member(const json& obj, const char* key, const std::string& where) {
  if (!obj.is_object()) Fail(where, "expected an object");
  auto it = obj.find(key);
  if (it == obj.end()) Fail(where, std::string("missing \"") + key + "\"");
  return *it;
}

int Int(const json& v, const std::string& where, int lo, int hi) {
  if (!v.is_number_integer()) Fail(where, "expected an integer");
  const auto n = v.get<long long>();
  if (n < lo || n > hi) Fail(where, "expected " + std::to_string(lo) + " to " + std::to_string(hi) + ", got " + std::to_string(n));
  return static_cast<int>(n);
}

std::string Text(const json& v, const std::string& where) {
  if (!v.is_string()) Fail(where, "expected a text");
  return v.get<std::string>();
}

std::string ToGb2312(const std::string& utf8, const std::string& where) {
  auto gb = Utf8ToGb2312(utf8);
  if (!gb) Fail(where, "text \"" + utf8 + "\" has no GB2312 form");
  if (gb->find('\0') != std::string::npos) Fail(where, "text contains a NUL");
  return *gb;
}

const json& Array(const json& obj, const char* key, const std::string& where) {
  const json& a = Member(obj, key, where);
  if (!a.is_array()) Fail(where + "." + key, "expected a list");
  return a;
}

// The style bits named in "style", each checked to belong to `cls`
// ("#dialog" for a dialog's own styles).
uint32_t Styles(const json& obj, const std::string& cls, const std::string& where) {
  auto it = obj.find("style");
  if (it == obj.end()) return 0;
  if (!it->is_array()) Fail(where + ".style", "expected a list of style names");
  uint32_t bits = 0;
  for (const json& n : *it) {
    const std::string name = Text(n, where + ".style");
    const StyleName* s = FindStyle(name);
    if (!s) Fail(where + ".style", "unknown style \"" + name + "\"");
    if (!s->cls.empty() && s->cls != cls)
      Fail(where + ".style", "style \"" + name + "\" does not belong to " + (cls == "#dialog" ? "a dialog" : cls));
    bits |= s->value;
  }
  return bits;
}

std::string DialogWhere(std::size_t index, int id) {
  return "dialogs[" + std::to_string(index) + "] (" + std::to_string(id) + ")";
}

bool IsIconHolder(const Control& c) {
  const bool icon_static = c.cls == "STATIC" && (c.style & 0x1F) == 0x03;  // SS_ICON
  const bool icon_button = c.cls == "BUTTON" && (c.style & 0x40) != 0;   // BS_ICON
  return icon_static || icon_button;
}

Control ReadControl(const json& j, const Dialog& d, const std::string& where) {
  Control c;
  c.id = Int(Member(j, "id", where), where + ".id", -1, 65535);
  if (c.id == 0) Fail(where + ".id", "0 is not a control id (use -1 for an unnamed control)");
  c.cls = Text(Member(j, "class", where), where + ".class");
  if (std::find(kControlClasses.begin(), kControlClasses.end(), c.cls) == kControlClasses.end())
    Fail(where + ".class", "unknown control class \"" + c.cls + "\"");
  if (auto t = j.find("text"); t != j.end()) {
    c.text_utf8 = Text(*t, where + ".text");
    c.text = ToGb2312(c.text_utf8, where + ".text");
  }
  c.style = kWsChild | Styles(j, c.cls, where);
  const bool hidden = j.value("hidden", false);
  if (!hidden) c.style |= kWsVisible;

  const json& r = Member(j, "rect", where);
  if (!r.is_array() || r.size() != 4) Fail(where + ".rect", "expected [x, y, cx, cy]");
  c.x = Int(r[0], where + ".rect", 0, 1000);
  c.y = Int(r[1], where + ".rect", 0, 1000);
  c.cx = Int(r[2], where + ".rect", 1, 1000);
  c.cy = Int(r[3], where + ".rect", 1, 1000);
  // A combo box's height includes its dropped list, which may reach past
  // the dialog; only its closed field must lie inside.
  const int visible_cy = c.cls == "COMBOBOX" ? std::min(c.cy, 12) : c.cy;
  if (c.x + c.cx > d.cx || c.y + visible_cy > d.cy)
    Fail(where + ".rect", "reaches outside the dialog's " + std::to_string(d.cx) + " x " + std::to_string(d.cy) + " units");

  if (auto i = j.find("icon"); i != j.end()) {
    c.image = Int(*i, where + ".icon", 1, 65535);
    if (!IsIconHolder(c)) Fail(where + ".icon", "only an SS_ICON static or a BS_ICON button shows an icon");
  }
  return c;
}

Dialog ReadDialog(const json& j, std::size_t index) {
  Dialog d;
  d.id = Int(Member(j, "id", "dialogs[" + std::to_string(index) + "]"), "dialogs[" + std::to_string(index) + "].id", 1, 65535);
  const std::string where = DialogWhere(index, d.id);
  d.caption_utf8 = Text(Member(j, "caption", where), where + ".caption");
  d.caption = ToGb2312(d.caption_utf8, where + ".caption");
  const json& font = Member(j, "font", where);
  if (!font.is_array() || font.size() != 2) Fail(where + ".font", "expected [face name, point size]");
  d.font_utf8 = Text(font[0], where + ".font");
  d.font = ToGb2312(d.font_utf8, where + ".font");
  d.point_size = Int(font[1], where + ".font", 6, 72);
  const json& size = Member(j, "size", where);
  if (!size.is_array() || size.size() != 2) Fail(where + ".size", "expected [cx, cy]");
  d.cx = Int(size[0], where + ".size", 1, 1000);
  d.cy = Int(size[1], where + ".size", 1, 1000);
  d.style = Styles(j, "#dialog", where) | kDsSetFont;

  std::set<int> ids;
  const json& controls = Array(j, "controls", where);
  for (std::size_t k = 0; k < controls.size(); ++k) {
    std::string cwhere = where + ".controls[" + std::to_string(k) + "]";
    if (controls[k].is_object() && controls[k].contains("id") && controls[k]["id"].is_number_integer())
      cwhere += " (" + std::to_string(controls[k]["id"].get<long long>()) + ")";
    Control c = ReadControl(controls[k], d, cwhere);
    if (c.id != -1 && !ids.insert(c.id).second) Fail(cwhere + ".id", "control id " + std::to_string(c.id) + " appears twice");
    d.controls.push_back(std::move(c));
  }
  return d;
}

void ReadImages(const json& doc, const char* key, ImageKind kind, Module& m) {
  auto it = doc.find(key);
  if (it == doc.end()) return;
  if (!it->is_array()) Fail(key, "expected a list");
  for (std::size_t k = 0; k < it->size(); ++k) {
    const std::string where = std::string(key) + "[" + std::to_string(k) + "]";
    m.images.push_back(GenerateImage((*it)[k], kind, where));
  }
}

template <class T>
void CheckUniqueIds(const std::vector<T>& items, const std::string& what) {
  std::set<int> ids;
  for (const T& t : items)
    if (!ids.insert(t.id).second) Fail(what, "id " + std::to_string(t.id) + " appears twice");
}

void CheckImageIds(const Module& m) {
  std::set<std::pair<int, int>> ids;
  for (const Image& i : m.images)
    if (!ids.insert({static_cast<int>(i.kind), i.id}).second)
      Fail(i.kind == ImageKind::Icon ? "icons" : "bitmaps", "id " + std::to_string(i.id) + " appears twice");
}

// A control that shows an icon at creation must name one of the module's.
void CheckIconReferences(const Module& m) {
  for (const Dialog& d : m.dialogs)
    for (const Control& c : d.controls)
      if (c.image != 0) {
        const bool found = std::any_of(m.images.begin(), m.images.end(), [&](const Image& i) {
          return i.id == c.image && i.kind == ImageKind::Icon;
        });
        if (!found)
          Fail("dialog " + std::to_string(d.id) + ", control " + std::to_string(c.id),
               "icon " + std::to_string(c.image) + " is not among the module's icons");
      }
}

}  // namespace

Module CompileDescription(const json& doc) {
  Module m;
  m.name = Text(Member(doc, "module", "the description"), "module");
  if (auto it = doc.find("dialogs"); it != doc.end()) {
    if (!it->is_array()) Fail("dialogs", "expected a list");
    for (std::size_t k = 0; k < it->size(); ++k) m.dialogs.push_back(ReadDialog((*it)[k], k));
  }
  if (auto it = doc.find("strings"); it != doc.end()) {
    if (!it->is_array()) Fail("strings", "expected a list");
    for (std::size_t k = 0; k < it->size(); ++k) {
      const std::string where = "strings[" + std::to_string(k) + "]";
      StringEntry s;
      s.id = Int(Member((*it)[k], "id", where), where + ".id", 1, 65535);
      s.text_utf8 = Text(Member((*it)[k], "text", where), where + ".text");
      s.text = ToGb2312(s.text_utf8, where + " (" + std::to_string(s.id) + ").text");
      m.strings.push_back(std::move(s));
    }
  }
  ReadImages(doc, "bitmaps", ImageKind::Bitmap, m);
  ReadImages(doc, "icons", ImageKind::Icon, m);
  CheckUniqueIds(m.dialogs, "dialogs");
  CheckUniqueIds(m.strings, "strings");
  CheckImageIds(m);
  CheckIconReferences(m);
  return m;
}

}  // namespace velko::resgen
