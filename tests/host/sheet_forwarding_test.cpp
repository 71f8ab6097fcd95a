// Which messages the host's pages forward, and the 16-bit form they take.
#include <gtest/gtest.h>

#include "host/sheet/page_forwarding.h"
#include "platform/user/user.h"

namespace velko::host {
namespace {

TEST(SheetForwarding, ThePagesForwardTheirMessagesAndOnlyTheColorPageScrolls) {
  const struct {
    int32_t page;
    UINT message;
    bool forwarded;
    const char* catches;
  } cases[] = {
      {kMainPageId, WM_INITDIALOG, true, "page start"},
      {kVersionPageId, WM_PAINT, true, "banner painting"},
      {kOptionsPageId, WM_DRAWITEM, true, "owner-drawn banner frames"},
      {kMainPageId, WM_NOTIFY, true, "sheet notifications"},
      {kColorPageId, WM_COMMAND, true, "control notifications"},
      {kColorPageId, WM_HSCROLL, true, "the color page's slider"},
      {kMainPageId, WM_HSCROLL, false, "no other page gets scrolls"},
      {kOptionsPageId, WM_HSCROLL, false, ""},
      {kColorPageId, WM_VSCROLL, false, "vertical scrolls on no page"},
      {kMainPageId, WM_CONTEXTMENU, false, "help stays with the dialog manager"},
      {kMainPageId, WM_TIMER, false, "anything else"},
      {kMainPageId, WM_DESTROY, false, ""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(IsForwarded(c.page, c.message), c.forwarded) << c.page << " 0x" << std::hex << c.message << " ("
                                                           << c.catches << ")";
  }
}

TEST(SheetForwarding, MessagesTakeTheir16BitForm) {
  constexpr HWND kPage = 0x00012345;
  constexpr LPARAM kControl = 0x0003ABCD;  // a 32-bit handle: the 16-bit form keeps its low word
  constexpr DWORD kFar = 0x00470000;
  const struct {
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
    DWORD far;
    uint32_t w16, l16, far16;
    const char* catches;
  } cases[] = {
      {WM_COMMAND, MAKEWPARAM(1016, BN_CLICKED), kControl, 0, 1016, 0x0000ABCD, 0, "id in wParam, code 0 up high"},
      {WM_COMMAND, MAKEWPARAM(1014, EN_KILLFOCUS), kControl, 0, 1014, 0x0200ABCD, 0, "code in lParam's high word"},
      {WM_COMMAND, MAKEWPARAM(1010, CBN_SELENDOK), kControl, 0, 1010, 0x0009ABCD, 0, "combo notifications"},
      {WM_HSCROLL, MAKEWPARAM(TB_THUMBPOSITION, 1), kControl, 0, TB_THUMBPOSITION, 0xABCD0001, 0,
       "code in wParam, position low and control high in lParam"},
      {WM_HSCROLL, MAKEWPARAM(TB_ENDTRACK, 0), kControl, 0, TB_ENDTRACK, 0xABCD0000, 0, "the release"},
      {WM_NOTIFY, 0, 0x7FFF1000, kFar, 0, kFar, kFar, "the header's far copy in lParam and LParamFar"},
      {WM_DRAWITEM, 1024, 0x7FFF1000, kFar, 1024, kFar, kFar, "the drawing record's far copy"},
      {WM_INITDIALOG, 0, 0x7FFF1000, 0, 0, 0, 0, "the sheet's page record is not passed"},
      {WM_PAINT, 0, 0, 0, 0, 0, 0, "no parameters"},
  };
  for (const auto& c : cases) {
    const PageMessage m = SixteenBitMessage(kColorPageId, kPage, c.message, c.wParam, c.lParam, c.far);
    EXPECT_EQ(m.PageId, kColorPageId) << c.catches;
    EXPECT_EQ(m.Reserved, 0u) << c.catches;
    EXPECT_EQ(m.Window, kPage) << c.catches;
    EXPECT_EQ(m.Message, c.message) << c.catches;
    EXPECT_EQ(m.WParam, c.w16) << c.catches;
    EXPECT_EQ(m.LParam, c.l16) << std::hex << m.LParam << " (" << c.catches << ")";
    EXPECT_EQ(m.LParamFar, c.far16) << c.catches;
  }
}

TEST(SheetForwarding, OnlyNotificationsAndDrawingRecordsAreCopiedOut) {
  NMHDR header{7, 0, PSN_SETACTIVE};
  const auto notify = PointedStructure(WM_NOTIFY, reinterpret_cast<LPARAM>(&header));
  ASSERT_EQ(notify.size(), 12u);
  EXPECT_EQ(notify.data(), reinterpret_cast<const uint8_t*>(&header));
  DRAWITEMSTRUCT draw{};
  EXPECT_EQ(PointedStructure(WM_DRAWITEM, reinterpret_cast<LPARAM>(&draw)).size(), sizeof draw);
  EXPECT_TRUE(PointedStructure(WM_NOTIFY, 0).empty());  // no header, nothing to copy
  EXPECT_TRUE(PointedStructure(WM_INITDIALOG, reinterpret_cast<LPARAM>(&header)).empty());
  EXPECT_TRUE(PointedStructure(WM_COMMAND, reinterpret_cast<LPARAM>(&header)).empty());
}

}  // namespace
}  // namespace velko::host
