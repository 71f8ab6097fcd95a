// Shared by the window manager's tests: a dialog procedure that records the
// notifications it receives, templates built in place, and a fixture that
// leaves no window, record or input source behind.
#pragma once

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "platform/user/user.h"

namespace velko::platform::user_test {

// One message a dialog received, reduced to what the tests compare.
struct Note {
  UINT message = 0;
  int id = 0;    // WM_COMMAND: control id; WM_NOTIFY: idFrom; scrolls: the control's id
  int code = 0;  // notification or scroll code
  int pos = 0;   // scrolls: the position in wParam's high word
  bool operator==(const Note&) const = default;
};

inline std::ostream& operator<<(std::ostream& out, const Note& n) {
  return out << "{msg 0x" << std::hex << n.message << std::dec << ", id " << n.id << ", code " << n.code
             << ", pos " << n.pos << "}";
}

inline Note Command(int id, int code) { return Note{WM_COMMAND, id, code, 0}; }
inline Note Notify(int id, UINT code) { return Note{WM_NOTIFY, id, static_cast<int>(code), 0}; }
inline Note HScroll(int id, int code, int pos = 0) { return Note{WM_HSCROLL, id, code, pos}; }
inline Note VScroll(int id, int code, int pos = 0) { return Note{WM_VSCROLL, id, code, pos}; }

inline std::vector<Note>& Notes() {
  static std::vector<Note> notes;
  return notes;
}

// Records WM_COMMAND, WM_NOTIFY, the scrolls and WM_CONTEXTMENU; leaves
// everything to the default handling (WM_INITDIALOG asks for the focus).
inline INT_PTR RecordNotes(HWND, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
      Notes().push_back(Command(LOWORD(wParam), HIWORD(wParam)));
      return FALSE;
    case WM_NOTIFY: {
      const auto* header = reinterpret_cast<const NMHDR*>(lParam);
      Notes().push_back(Notify(static_cast<int>(header->idFrom), header->code));
      return FALSE;
    }
    case WM_HSCROLL:
    case WM_VSCROLL:
      Notes().push_back(Note{message, GetDlgCtrlID(static_cast<HWND>(lParam)), LOWORD(wParam),
                             static_cast<SHORT>(HIWORD(wParam))});
      return FALSE;
    case WM_CONTEXTMENU:
      Notes().push_back(Note{message, GetDlgCtrlID(static_cast<HWND>(wParam)), 0, 0});
      return TRUE;
    case WM_INITDIALOG:
      return TRUE;
    default:
      return FALSE;
  }
}
inline constexpr DLGPROC RecordingProc = RecordNotes;

// Controls of the tests' dialogs: one of each kind, in dialog units of
// "MS Shell Dlg" 8 (6 x 13 pixels per 4 x 8 units).
inline ControlTemplate Control(int id, std::string_view cls, DWORD style, std::string_view text = {}) {
  ControlTemplate c;
  c.id = id;
  c.class_name = cls;
  c.text = text;
  c.style = style | WS_VISIBLE;
  c.x = 10;
  c.y = static_cast<short>(id % 100);
  c.cx = 40;
  c.cy = 12;
  return c;
}

inline DialogTemplate Dialog(std::span<const ControlTemplate> controls) {
  DialogTemplate t;
  t.caption = "Test";
  t.font_name = "MS Shell Dlg";
  t.font_size = 8;
  t.cx = 200;
  t.cy = 150;
  t.controls = controls;
  return t;
}

class UserTest : public ::testing::Test {
 public:
  // A modeless dialog with the recording procedure; the notes start empty.
  HWND Open(const std::vector<ControlTemplate>& controls) {
    controls_ = controls;
    template_ = Dialog(controls_);
    template_.style |= WS_VISIBLE;
    const HWND dialog = CreateDialogIndirectParam(0, &template_, 0, RecordingProc, 0);
    EXPECT_NE(dialog, 0u);
    Notes().clear();
    return dialog;
  }

 protected:
  void SetUp() override {
    Notes().clear();
    ClearUserRecords();
    SetFocus(0);
  }
  void TearDown() override {
    SetInputSource(nullptr);
    for (HWND top : TopLevelWindows()) DestroyWindow(top);
    EXPECT_EQ(WindowCount(), 0u) << "a window outlived its test";
    Notes().clear();
    ClearUserRecords();
  }

  std::vector<ControlTemplate> controls_;
  DialogTemplate template_;
};

}  // namespace velko::platform::user_test
