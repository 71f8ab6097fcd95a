// Turns a module's compiled resource tables into the platform's resource
// entries: dialog templates (RT_DIALOG), strings (RT_STRING, the GB2312
// bytes), bitmaps (RT_BITMAP) and icons (RT_ICON) as whole BMP files.
//
// Header-only, so that VelkoUI and the host (which do not link each other)
// both use it. The platform references what it is given, so one
// PlatformResources object per module is kept for the life of the process.
#pragma once

#include <cstring>
#include <span>
#include <vector>

#include "platform/res/resources.h"
#include "platform/user/dialog.h"
#include "ui/resources/resource_data.h"

namespace velko::res {

class PlatformResources {
 public:
  explicit PlatformResources(const ResModule& module) {
    // Templates first, entries after: an entry points at its template, so
    // the template vector must not move once entries exist.
    controls_.reserve(module.dialogs.size());
    dialogs_.reserve(module.dialogs.size());
    for (const ResDialog& d : module.dialogs) {
      std::vector<platform::ControlTemplate>& controls = controls_.emplace_back();
      for (const ResControl& c : d.controls) controls.push_back(ToPlatform(c));
      dialogs_.push_back(ToPlatform(d, controls));
    }
    for (std::size_t k = 0; k < dialogs_.size(); ++k)
      entries_.push_back(platform::DialogResource(Word(module.dialogs[k].id), dialogs_[k]));
    for (const ResString& s : module.strings)
      entries_.push_back({platform::kResourceString, Word(s.id), reinterpret_cast<const uint8_t*>(s.text),
                          std::strlen(s.text)});
    for (const ResImage& i : module.images) {
      const WORD type = i.kind == ResImageKind::Icon ? platform::kResourceIcon : platform::kResourceBitmap;
      entries_.push_back({type, Word(i.id), i.bmp.data(), i.bmp.size()});
    }
  }
  PlatformResources(const PlatformResources&) = delete;
  PlatformResources& operator=(const PlatformResources&) = delete;

  std::span<const platform::ResourceEntry> entries() const { return entries_; }

 private:
  static WORD Word(int id) { return static_cast<WORD>(id); }

  static platform::ControlTemplate ToPlatform(const ResControl& c) {
    platform::ControlTemplate t;
    t.id = c.id;
    t.class_name = c.cls;
    t.text = c.text;
    t.style = c.style;
    t.x = c.x;
    t.y = c.y;
    t.cx = c.cx;
    t.cy = c.cy;
    t.icon = static_cast<WORD>(c.image);
    return t;
  }

  static platform::DialogTemplate ToPlatform(const ResDialog& d,
                                             const std::vector<platform::ControlTemplate>& controls) {
    platform::DialogTemplate t;
    t.caption = d.caption;
    t.font_name = d.font;
    t.font_size = d.point_size;
    t.cx = d.cx;
    t.cy = d.cy;
    t.controls = controls;
    t.style = d.style;
    return t;
  }

  std::vector<std::vector<platform::ControlTemplate>> controls_;
  std::vector<platform::DialogTemplate> dialogs_;
  std::vector<platform::ResourceEntry> entries_;
};

}  // namespace velko::res
