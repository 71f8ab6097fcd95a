// VelkoUI's resources through the platform: after registration under a
// module handle, the platform's own loaders find every template, string,
// bitmap and icon by id, and every template creates a dialog with all its
// controls.
#include <gtest/gtest.h>

#include <array>
#include <string>

#include "platform/kernel/modules.h"
#include "platform/win32.h"
#include "tools/gen/resources/styles.h"
#include "ui/resources/register_ui_resources.h"
#include "ui/resources/velko_ui_resources.h"

namespace velko::res {
namespace {

class ResourceRegistration : public ::testing::Test {
 protected:
  void SetUp() override { RegisterVelkoUiResources(module_.handle()); }
  void TearDown() override { platform::UnregisterResources(module_.handle()); }
  HINSTANCE Module() const { return module_.handle(); }

 private:
  platform::ModuleRegistration module_{"ResourceTest.dll"};
};

INT_PTR QuietProcedure(HWND, UINT, WPARAM, LPARAM) { return FALSE; }

TEST_F(ResourceRegistration, EveryTemplateCreatesItsDialogWithAllControls) {
  // Property pages (WS_CHILD templates) live inside a window of their sheet.
  const HWND owner = CreateDialogParam(Module(), MAKEINTRESOURCE(2409), 0, QuietProcedure, 0);
  ASSERT_NE(owner, 0u);
  for (const ResDialog& d : VelkoUiResources().dialogs) {
    const HWND parent = (d.style & WS_CHILD) ? owner : 0;
    const HWND dialog =
        CreateDialogParam(Module(), MAKEINTRESOURCE(static_cast<WORD>(d.id)), parent, QuietProcedure, 0);
    ASSERT_NE(dialog, 0u) << "template " << d.id;
    for (const ResControl& c : d.controls) {
      if (c.id != kUnnamedControl) {
        EXPECT_NE(GetDlgItem(dialog, c.id), 0u) << d.id << "/" << c.id;
      }
    }
    EXPECT_EQ(platform::DialogTemplateId(dialog), d.id);
    DestroyWindow(dialog);
  }
  DestroyWindow(owner);
}

TEST_F(ResourceRegistration, TextsReachTheControlsAsGb2312) {
  const HWND dialog = CreateDialogParam(Module(), MAKEINTRESOURCE(2409), 0, QuietProcedure, 0);
  ASSERT_NE(dialog, 0u);
  char text[32] = {};
  GetDlgItemText(dialog, 1042, text, sizeof text);
  EXPECT_EQ(std::string(text), "\xC6\xD5\xCD\xA8");  // 普通
  DestroyWindow(dialog);
}

TEST_F(ResourceRegistration, StringsLoadById) {
  char text[64] = {};
  EXPECT_GT(LoadString(Module(), 5208, text, sizeof text), 0);
  EXPECT_EQ(std::string(text), "\xC3\xFB\xB3\xC6\xD2\xD1\xBE\xAD\xB4\xE6\xD4\xDA");  // 名称已经存在
  EXPECT_EQ(LoadString(Module(), 5999, text, sizeof text), 0);
}

TEST_F(ResourceRegistration, BitmapsAndIconsLoadById) {
  for (const ResImage& i : VelkoUiResources().images) {
    if (i.kind == ResImageKind::Bitmap) {
      const HBITMAP bitmap = LoadBitmap(Module(), MAKEINTRESOURCE(static_cast<WORD>(i.id)));
      ASSERT_NE(bitmap, 0u) << i.id;
      BITMAP info{};
      ASSERT_NE(GetObject(bitmap, sizeof info, &info), 0) << i.id;
      EXPECT_EQ(info.bmWidth, i.width) << i.id;
      EXPECT_EQ(info.bmHeight, i.height) << i.id;
      DeleteObject(bitmap);
    } else {
      EXPECT_NE(LoadIcon(Module(), MAKEINTRESOURCE(static_cast<WORD>(i.id))), 0u) << i.id;
    }
  }
  EXPECT_EQ(LoadBitmap(Module(), MAKEINTRESOURCE(2999)), 0u);
}

// The pages size their strips and density pictures from the scroll bars
// (strip: width x 10 / 12 + 1 by height + 2; density picture: width x 7 / 8
// by height + 2); at the template font these come out at the bitmaps' own
// sizes, so the pictures are shown unstretched.
TEST(ResourceLayout, StripsAndDensityPicturesComeOutAtTheirBitmapsSize) {
  const auto pixels = [](int dialog, int control) {
    const ResDialog* d = VelkoUiResources().Dialog(dialog);
    const ResControl* c = d->Control(control);
    const platform::DialogBaseUnits base = platform::BaseUnitsForFont(d->font, d->point_size);
    const RECT r = platform::DialogUnitsToPixels(RECT{c->x, c->y, c->x + c->cx, c->y + c->cy}, base);
    return std::pair{r.right - r.left, r.bottom - r.top};
  };
  const auto [strip_sb_w, strip_sb_h] = pixels(2405, 2039);
  EXPECT_EQ(strip_sb_w * 10 / 12 + 1, VelkoUiResources().Bitmap(2178)->width);
  EXPECT_EQ(strip_sb_h + 2, VelkoUiResources().Bitmap(2178)->height);
  const auto [density_sb_w, density_sb_h] = pixels(2406, 2047);
  EXPECT_NEAR(density_sb_w * 7 / 8, VelkoUiResources().Bitmap(2188)->width, 1);
  EXPECT_EQ(density_sb_h + 2, VelkoUiResources().Bitmap(2188)->height);
}

// The resource compiler spells styles by name; its values must be the
// platform's, or a template would ask for other controls than it says.
TEST(ResourceStyleNames, MatchThePlatformsValues) {
  const std::array<std::pair<std::string_view, DWORD>, 52> platform_values = {{
      {"WS_POPUP", WS_POPUP}, {"WS_CHILD", WS_CHILD}, {"WS_VISIBLE", WS_VISIBLE}, {"WS_DISABLED", WS_DISABLED},
      {"WS_CAPTION", WS_CAPTION}, {"WS_BORDER", WS_BORDER}, {"WS_VSCROLL", WS_VSCROLL}, {"WS_HSCROLL", WS_HSCROLL},
      {"WS_SYSMENU", WS_SYSMENU}, {"WS_GROUP", WS_GROUP}, {"WS_TABSTOP", WS_TABSTOP}, {"DS_3DLOOK", DS_3DLOOK},
      {"DS_SETFONT", DS_SETFONT}, {"DS_MODALFRAME", DS_MODALFRAME}, {"DS_CONTROL", DS_CONTROL},
      {"DS_CENTER", DS_CENTER}, {"DS_CONTEXTHELP", DS_CONTEXTHELP}, {"BS_PUSHBUTTON", BS_PUSHBUTTON},
      {"BS_DEFPUSHBUTTON", BS_DEFPUSHBUTTON}, {"BS_AUTOCHECKBOX", BS_AUTOCHECKBOX}, {"BS_GROUPBOX", BS_GROUPBOX},
      {"BS_AUTORADIOBUTTON", BS_AUTORADIOBUTTON}, {"BS_ICON", BS_ICON}, {"BS_NOTIFY", BS_NOTIFY},
      {"ES_LEFT", ES_LEFT}, {"ES_RIGHT", ES_RIGHT}, {"ES_AUTOHSCROLL", ES_AUTOHSCROLL}, {"ES_NUMBER", ES_NUMBER},
      {"CBS_DROPDOWNLIST", CBS_DROPDOWNLIST}, {"CBS_AUTOHSCROLL", CBS_AUTOHSCROLL}, {"LBS_NOTIFY", LBS_NOTIFY},
      {"LBS_SORT", LBS_SORT}, {"LBS_NOINTEGRALHEIGHT", LBS_NOINTEGRALHEIGHT}, {"SBS_HORZ", SBS_HORZ},
      {"SBS_VERT", SBS_VERT}, {"SS_LEFT", SS_LEFT}, {"SS_CENTER", SS_CENTER}, {"SS_RIGHT", SS_RIGHT},
      {"SS_ICON", SS_ICON}, {"SS_BLACKFRAME", SS_BLACKFRAME}, {"SS_GRAYFRAME", SS_GRAYFRAME},
      {"SS_ETCHEDFRAME", SS_ETCHEDFRAME}, {"SS_CENTERIMAGE", SS_CENTERIMAGE}, {"SS_SUNKEN", SS_SUNKEN},
      {"TBS_HORZ", TBS_HORZ}, {"TBS_AUTOTICKS", TBS_AUTOTICKS}, {"TBS_BOTH", TBS_BOTH},
      {"UDS_SETBUDDYINT", UDS_SETBUDDYINT}, {"UDS_ALIGNRIGHT", UDS_ALIGNRIGHT}, {"UDS_AUTOBUDDY", UDS_AUTOBUDDY},
      {"UDS_ARROWKEYS", UDS_ARROWKEYS}, {"UDS_NOTHOUSANDS", UDS_NOTHOUSANDS},
  }};
  ASSERT_EQ(platform_values.size(), resgen::kStyleNames.size()) << "every name the compiler knows is checked";
  for (const auto& [name, value] : platform_values) {
    const resgen::StyleName* s = resgen::FindStyle(name);
    ASSERT_NE(s, nullptr) << name;
    EXPECT_EQ(s->value, value) << name;
  }
}

}  // namespace
}  // namespace velko::res
