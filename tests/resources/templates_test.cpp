// VelkoUI's dialog templates: every template and control the dialogs address
// is there, of the right class and kind, with the texts the dialogs show, and
// laid out so that the controls are usable.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "tests/resources/gb2312_text.h"
#include "ui/resources/velko_ui_resources.h"

namespace velko::res {
namespace {

using testing::Gb;

constexpr uint32_t kWsGroup = 0x00020000, kWsVisible = 0x10000000, kWsChild = 0x40000000, kWsVscroll = 0x00200000;
constexpr uint32_t kBsDefPush = 1, kBsAutoCheck = 3, kBsGroupBox = 7, kBsAutoRadio = 9, kBsIcon = 0x40;
constexpr uint32_t kCbsDropDownList = 3, kLbsNotify = 1, kLbsSort = 2, kSsIcon = 3, kSsBlackFrame = 7,
                   kSsSunken = 0x1000;

const ResModule& Ui() { return VelkoUiResources(); }

struct Required {
  int dialog;
  std::vector<std::pair<int, const char*>> controls;  // id, class
};

constexpr const char* B = "BUTTON";
constexpr const char* S = "STATIC";
constexpr const char* E = "EDIT";
constexpr const char* C = "COMBOBOX";
constexpr const char* L = "LISTBOX";
constexpr const char* SB = "SCROLLBAR";
constexpr const char* TB = "msctls_trackbar32";
constexpr const char* UD = "msctls_updown32";

// Every control that the dialogs address by id, with its class.
const std::vector<Required> kRequired = {
    // list edit
    {2402, {{2204, S}, {2414, L}, {2206, S}, {2413, E}, {2211, S}, {2415, S}, {2416, E}, {2417, B}, {2129, B},
            {2412, B}, {2132, B}, {2130, B}}},
    // watermark
    {2403, {{2030, B}, {2029, S}, {2419, S}, {2025, C}, {1082, B}, {2133, S}, {2023, C}, {2135, S}, {2024, C},
            {2137, S}, {2026, TB}, {2139, S}, {2141, S}, {2143, S}, {2027, TB}, {2145, S}, {2147, S}, {1103, B},
            {2014, B}, {1, B}, {2, B}}},
    // color description
    {2404, {{2113, B}, {2115, B}, {2116, B}, {1, B}, {2, B}, {2014, B}}},
    // color adjustment page
    {2405, {{2151, S}, {2004, C}, {2071, S}, {2420, S}, {2418, S}, {2117, C}, {2153, S}, {2039, SB}, {2031, S},
            {2155, S}, {2040, SB}, {2032, S}, {2157, S}, {2042, SB}, {2033, S}, {2159, B}, {2121, S}, {2165, S},
            {2044, SB}, {2035, S}, {2123, S}, {2167, S}, {2045, SB}, {2036, S}, {2125, S}, {2119, S}, {2046, SB},
            {2037, S}, {2095, S}, {2096, S}, {2098, S}, {2090, S}, {2091, S}, {2093, S}, {2118, S}, {2421, S},
            {2081, S}, {2082, S}, {2083, S}, {2216, S}, {2217, S}, {2218, S}, {2077, S}, {2079, S}, {2212, S},
            {2213, S}, {2214, S}, {2215, S}, {2014, B}}},
    // density page
    {2406, {{2060, B}, {2119, S}, {2034, S}, {2047, SB}, {2056, S}, {2121, S}, {2041, S}, {2049, SB}, {2057, S},
            {2123, S}, {2043, S}, {2050, SB}, {2058, S}, {2125, S}, {2048, S}, {2051, SB}, {2059, S}, {2081, S},
            {2082, S}, {2083, S}, {2077, S}, {2079, S}, {2014, B}}},
    // custom size
    {2407, {{2200, S}, {2066, E}, {2120, UD}, {2124, S}, {2202, S}, {2009, E}, {2003, UD}, {2122, S}, {2062, S},
            {2065, S}, {2208, B}, {2068, B}, {2069, B}, {2209, B}, {2126, S}, {2112, S}, {2128, S}, {2114, S},
            {1, B}, {2, B}}},
    // page layout
    {2408, {{2193, B}, {2195, B}, {2197, B}, {2015, B}, {2016, B}, {2199, B}, {2017, B}, {2018, B}, {2019, B},
            {2020, B}, {2021, B}, {2105, S}, {2022, C}, {2014, B}, {1, B}, {2, B}}},
    // print mode
    {2409, {{2005, B}, {1042, B}, {2006, B}, {1, B}, {2, B}}},
};

TEST(ResourceUiTemplates, EveryAddressedControlExistsWithItsClass) {
  for (const Required& r : kRequired) {
    const ResDialog* d = Ui().Dialog(r.dialog);
    ASSERT_NE(d, nullptr) << "template " << r.dialog;
    for (const auto& [id, cls] : r.controls) {
      const ResControl* c = d->Control(id);
      ASSERT_NE(c, nullptr) << "template " << r.dialog << " lacks control " << id;
      EXPECT_STREQ(c->cls, cls) << "template " << r.dialog << " control " << id;
      EXPECT_EQ(c->style & kWsChild, kWsChild) << "template " << r.dialog << " control " << id;
    }
  }
}

struct DialogCase {
  int id;
  const char* caption;
  const char* font;
  int point_size;
  int cx, cy;  // 0: the size is ours to choose
};

const DialogCase kDialogs[] = {
    {2402, "编辑", "宋体", 8, 200, 170},
    {2403, "Watermark", "MS Shell Dlg", 8, 275, 215},
    {2404, "色彩描述", "宋体", 8, 0, 0},
    {2405, "色彩调节", "宋体", 8, 0, 0},
    {2406, "浓度", "宋体", 8, 0, 0},
    {2407, "自定义尺寸", "宋体", 8, 200, 130},
    {2408, "设置打印细节", "宋体", 8, 170, 215},
    {2409, "打印模式", "宋体", 8, 200, 90},
};

TEST(ResourceUiTemplates, CaptionFontAndSize) {
  for (const DialogCase& k : kDialogs) {
    const ResDialog* d = Ui().Dialog(k.id);
    ASSERT_NE(d, nullptr) << k.id;
    EXPECT_EQ(std::string(d->caption), Gb(k.caption)) << k.id;
    EXPECT_EQ(std::string(d->font), Gb(k.font)) << k.id;
    EXPECT_EQ(d->point_size, k.point_size) << k.id;
    if (k.cx != 0) {
      EXPECT_EQ(d->cx, k.cx) << k.id;
      EXPECT_EQ(d->cy, k.cy) << k.id;
    }
  }
}

// The color adjustment and density pages share one sheet, which sizes itself
// to its largest page: equal sizes keep both pages' layouts where they were drawn.
TEST(ResourceUiTemplates, SheetPagesHaveOneSize) {
  EXPECT_EQ(Ui().Dialog(2405)->cx, Ui().Dialog(2406)->cx);
  EXPECT_EQ(Ui().Dialog(2405)->cy, Ui().Dialog(2406)->cy);
}

struct TextCase {
  int dialog, control;
  const char* text;
};

// The texts the dialogs show as they are.
const TextCase kTexts[] = {
    {2402, 2204, "列表:"}, {2402, 2206, "名称:"}, {2402, 2211, "(限制10个字符)"}, {2402, 2415, "文件名称:"},
    {2402, 2417, "浏览..."}, {2402, 2129, "编辑"}, {2402, 2412, "删除"}, {2402, 2132, "修改"}, {2402, 2130, "关闭"},
    {2403, 2030, "A&vailable to Watermark Print"}, {2403, 2419, "&Watermark:"}, {2403, 1082, "&Edit..."},
    {2403, 2133, "&Position:"}, {2403, 2135, "&Color:"}, {2403, 2137, "De&nsity:"}, {2403, 2139, "Light"},
    {2403, 2141, "Dark"}, {2403, 2143, "&Size:"}, {2403, 2145, "Small"}, {2403, 2147, "Big"},
    {2403, 1103, "&Outline"}, {2403, 2014, "Restore &Default"}, {2403, 1, "OK"}, {2403, 2, "Cancel"},
    {2404, 2113, "饱和 (适用于图象打印)"}, {2404, 2115, "鲜明 (使用于照片打印)"},
    {2404, 2116, "色彩度量 (适用于匹配特殊色彩)"}, {2404, 1, "确定"}, {2404, 2, "取消"}, {2404, 2014, "恢复默认值"},
    {2405, 2151, "示例:"}, {2405, 2418, "基础色彩:"}, {2405, 2153, "亮度:"}, {2405, 2155, "饱和度:"},
    {2405, 2157, "对比度:"}, {2405, 2159, "色彩均衡"}, {2405, 2121, "青"}, {2405, 2165, "红"}, {2405, 2123, "品"},
    {2405, 2167, "绿"}, {2405, 2125, "黄"}, {2405, 2119, "蓝"}, {2405, 2081, "-10"}, {2405, 2082, "0"},
    {2405, 2083, "10"}, {2405, 2216, "-10"}, {2405, 2217, "0"}, {2405, 2218, "10"}, {2405, 2077, "暗"},
    {2405, 2079, "亮"}, {2405, 2212, "淡色"}, {2405, 2213, "鲜艳"}, {2405, 2214, "低"}, {2405, 2215, "高"},
    {2405, 2014, "恢复默认值"},
    {2406, 2060, "调节浓度"}, {2406, 2119, "黑:"}, {2406, 2121, "青:"}, {2406, 2123, "品:"}, {2406, 2125, "黄:"},
    {2406, 2081, "-10"}, {2406, 2082, "0"}, {2406, 2083, "10"}, {2406, 2077, "亮"}, {2406, 2079, "暗"},
    {2406, 2014, "恢复默认值"},
    {2407, 2200, "宽 :"}, {2407, 2124, "毫米"}, {2407, 2202, "高 :"}, {2407, 2122, "毫米"},
    {2407, 2062, "(100.0 - 330.2毫米)"}, {2407, 2065, "(176.0 - 482.6毫米)"}, {2407, 2208, "单位"},
    {2407, 2068, "0.1毫米"}, {2407, 2069, "0.01英寸"}, {2407, 2209, "纸张设置方向"}, {2407, 2112, "短边方向"},
    {2407, 2114, "长边方向"}, {2407, 1, "确定"}, {2407, 2, "取消"},
    {2408, 2193, "页面布局"}, {2408, 2195, "页面次序"}, {2408, 2197, "双页"}, {2408, 2199, "4页"},
    {2408, 2021, "打印边界"}, {2408, 2105, "形状:"}, {2408, 2014, "恢复默认值"}, {2408, 1, "确定"}, {2408, 2, "取消"},
    {2409, 2005, "快速"}, {2409, 1042, "普通"}, {2409, 2006, "精确"}, {2409, 1, "确定"}, {2409, 2, "取消"},
};

TEST(ResourceUiTemplates, TextsAreTheSystemsOwnInGb2312) {
  for (const TextCase& t : kTexts) {
    const ResControl* c = Ui().Dialog(t.dialog)->Control(t.control);
    ASSERT_NE(c, nullptr) << t.dialog << "/" << t.control;
    EXPECT_EQ(std::string(c->text), Gb(t.text)) << t.dialog << "/" << t.control << " should read " << t.text;
  }
}

// Known byte sequences, independent of any converter: catches UTF-8 left in
// the data or a wrong code page.
TEST(ResourceUiTemplates, TextsAreGb2312Bytes) {
  EXPECT_EQ(std::string(Ui().Dialog(2409)->Control(1042)->text), "\xC6\xD5\xCD\xA8");  // 普通
  EXPECT_EQ(std::string(Ui().Dialog(2407)->Control(1)->text), "\xC8\xB7\xB6\xA8");     // 确定
  EXPECT_EQ(std::string(Ui().Dialog(2407)->Control(2)->text), "\xC8\xA1\xCF\xFB");     // 取消
  EXPECT_EQ(std::string(Ui().Dialog(2402)->caption), "\xB1\xE0\xBC\xAD");              // 编辑
  EXPECT_EQ(std::string(Ui().Dialog(2408)->font), "\xCB\xCE\xCC\xE5");                 // 宋体
}

struct StyleCase {
  int dialog, control;
  uint32_t mask, expected;
  const char* what;
};

const StyleCase kStyles[] = {
    {2402, 2414, kLbsSort | kLbsNotify | kWsVscroll, kLbsSort | kLbsNotify | kWsVscroll, "sorted notifying list"},
    {2402, 2129, 0xF, kBsDefPush, "add is the default button"},
    {2403, 2030, 0xF, kBsAutoCheck, "watermark on is an auto check box"},
    {2403, 1103, 0xF, kBsAutoCheck, "outline is an auto check box"},
    {2403, 2029, 0x1F | kSsSunken, kSsBlackFrame | kSsSunken, "preview is a sunken black frame"},
    {2403, 1, 0xF, kBsDefPush, "OK is the default button"},
    {2404, 1, 0xF, kBsDefPush, "OK is the default button"},
    {2407, 1, 0xF, kBsDefPush, "OK is the default button"},
    {2408, 1, 0xF, kBsDefPush, "OK is the default button"},
    {2409, 1, 0xF, kBsDefPush, "OK is the default button"},
    {2406, 2060, 0xF, kBsAutoCheck, "density on is an auto check box"},
    {2408, 2021, 0xF, kBsAutoCheck, "print border is an auto check box"},
    {2405, 2159, 0xF, kBsGroupBox, "color balance is a group box"},
    {2407, 2208, 0xF, kBsGroupBox, "unit group"},
    {2407, 2209, 0xF, kBsGroupBox, "feed direction group"},
    {2408, 2193, 0xF, kBsGroupBox, "layout group"},
    {2408, 2015, kBsIcon, kBsIcon, "order buttons show icons"},
    {2408, 2016, kBsIcon, kBsIcon, ""},
    {2408, 2017, kBsIcon, kBsIcon, ""},
    {2408, 2018, kBsIcon, kBsIcon, ""},
    {2408, 2019, kBsIcon, kBsIcon, ""},
    {2408, 2020, kBsIcon, kBsIcon, ""},
    {2407, 2126, 0x1F, kSsIcon, "feed icon static"},
    {2407, 2128, 0x1F, kSsIcon, "feed icon static"},
    {2405, 2004, 0x3, kCbsDropDownList, "drop-down list"},
    {2405, 2117, 0x3, kCbsDropDownList, "drop-down list"},
    {2403, 2025, 0x3, kCbsDropDownList, "drop-down list"},
    {2403, 2023, 0x3, kCbsDropDownList, "drop-down list"},
    {2403, 2024, 0x3, kCbsDropDownList, "drop-down list"},
    {2408, 2022, 0x3, kCbsDropDownList, "drop-down list"},
};

TEST(ResourceUiTemplates, ControlKinds) {
  for (const StyleCase& s : kStyles) {
    const ResControl* c = Ui().Dialog(s.dialog)->Control(s.control);
    ASSERT_NE(c, nullptr) << s.dialog << "/" << s.control;
    EXPECT_EQ(c->style & s.mask, s.expected) << s.dialog << "/" << s.control << ": " << s.what;
  }
}

TEST(ResourceUiTemplates, FeedIconsShowTheirPictures) {
  EXPECT_EQ(Ui().Dialog(2407)->Control(2126)->image, 2219);
  EXPECT_EQ(Ui().Dialog(2407)->Control(2128)->image, 2220);
}

TEST(ResourceUiTemplates, WatermarkPreviewFrameWhereTheDialogMeasuresIt) {
  const ResControl* f = Ui().Dialog(2403)->Control(2029);
  EXPECT_EQ(f->x, 16);
  EXPECT_EQ(f->y, 26);
  EXPECT_EQ(f->cx, 94);
  EXPECT_EQ(f->cy, 139);
}

struct RadioGroup {
  int dialog;
  std::vector<int> members;  // in template order, the first opens the group
};

// An auto radio button unchecks the others of its group, which runs from a
// WS_GROUP control to the next one: each group must hold exactly its radios.
const RadioGroup kRadioGroups[] = {
    {2404, {2113, 2115, 2116}},
    {2407, {2068, 2069}},
    {2409, {2005, 1042, 2006}},
};

TEST(ResourceUiTemplates, RadioGroupsHoldExactlyTheirButtons) {
  for (const RadioGroup& g : kRadioGroups) {
    const auto controls = Ui().Dialog(g.dialog)->controls;
    auto it = std::find_if(controls.begin(), controls.end(), [&](const ResControl& c) { return c.id == g.members[0]; });
    ASSERT_NE(it, controls.end());
    EXPECT_TRUE(it->style & kWsGroup) << g.dialog << ": " << g.members[0] << " opens the group";
    std::vector<int> group;
    do {
      EXPECT_EQ(it->style & 0xF, kBsAutoRadio) << g.dialog << "/" << it->id;
      group.push_back(it->id);
      ++it;
    } while (it != controls.end() && !(it->style & kWsGroup));
    EXPECT_EQ(group, g.members) << "template " << g.dialog;
  }
}

bool Interactive(const ResControl& c) {
  const std::string cls = c.cls;
  if (cls == "BUTTON") return (c.style & 0xF) != kBsGroupBox;
  return cls != "STATIC";
}

bool Overlap(const ResControl& a, const ResControl& b) {
  const int acy = std::string(a.cls) == "COMBOBOX" ? 12 : a.cy;  // closed field only
  const int bcy = std::string(b.cls) == "COMBOBOX" ? 12 : b.cy;
  return a.x < b.x + b.cx && b.x < a.x + a.cx && a.y < b.y + bcy && b.y < a.y + acy;
}

// Controls the user works with must not lie on top of each other, and
// nothing may reach past the dialog's edge.
TEST(ResourceUiTemplates, ControlsInsideTheDialogAndNotOnTopOfEachOther) {
  for (const ResDialog& d : Ui().dialogs) {
    for (std::size_t i = 0; i < d.controls.size(); ++i) {
      const ResControl& a = d.controls[i];
      const int cy = std::string(a.cls) == "COMBOBOX" ? 12 : a.cy;
      EXPECT_LE(a.x + a.cx, d.cx) << d.id << "/" << a.id;
      EXPECT_LE(a.y + cy, d.cy) << d.id << "/" << a.id;
      EXPECT_TRUE(a.style & kWsVisible) << d.id << "/" << a.id << " starts visible";
      for (std::size_t j = i + 1; j < d.controls.size(); ++j) {
        const ResControl& b = d.controls[j];
        if (Interactive(a) && Interactive(b)) {
          EXPECT_FALSE(Overlap(a, b)) << d.id << ": " << a.id << " and " << b.id;
        }
      }
    }
  }
}

// The page centres a 66-pixel swatch frame between the bottom of strip 2093
// and the bottom of group box 2159: at least 48 units (66 pixels at the
// 11-pixel line of 宋体 8, 1.375 pixels per vertical unit) must separate them.
TEST(ResourceUiTemplates, ColorBalanceGroupLeavesRoomForTheSwatch) {
  const ResDialog* d = Ui().Dialog(2405);
  const ResControl* strip = d->Control(2093);
  const ResControl* group = d->Control(2159);
  EXPECT_GE((group->y + group->cy) - (strip->y + strip->cy), 48);
  // The sample frame lies between the sample label and the base color label.
  EXPECT_GT(d->Control(2418)->y, d->Control(2151)->y + d->Control(2151)->cy + 20);
}

}  // namespace
}  // namespace velko::res
