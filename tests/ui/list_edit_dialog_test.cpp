// The list-edit dialog run modally on template 2402 in both modes: what it
// shows and enables, add with its duplicate and file checks, delete, modify
// moving an entry's section, the bitmap file choice, ChosenName, and the
// context help of each mode.
#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "color/user_entries.h"
#include "platform/afx.h"
#include "platform/win32.h"
#include "ui/core/page_variables.h"
#include "ui/core/ui_app.h"
#include "ui/dialogs/list_edit_dialog.h"

namespace {

namespace fs = std::filesystem;
using velko::SettingsRecord;
using velko::color::UserColorEntry;
using velko::color::UserEntryTable;
using velko::platform::UserAction;
using velko::ui::ChosenName;
using velko::ui::CListEditDlg;

enum : int {
  kList = 2414, kNameEdit = 2413, kFileLabel = 2415, kFileEdit = 2416, kBrowse = 2417,
  kAdd = 2129, kDelete = 2412, kModify = 2132, kClose = 2130,
};

constexpr const char* kNameExists = "\xC3\xFB\xB3\xC6\xD2\xD1\xBE\xAD\xB4\xE6\xD4\xDA";  // 名称已经存在
constexpr const char* kEditCaption = "\xB1\xE0\xBC\xAD";                                 // 编辑

// Hands out `actions`; before the last one runs `probe` on the open dialog.
class ProbedInput : public velko::platform::InputSource {
 public:
  ProbedInput(std::vector<UserAction> actions, std::function<void(HWND)> probe)
      : actions_(std::move(actions)), probe_(std::move(probe)) {}
  std::optional<UserAction> Next() override {
    if (next_ + 1 == actions_.size() && probe_) std::exchange(probe_, nullptr)(velko::platform::ActiveModalWindow());
    if (next_ >= actions_.size()) return std::nullopt;
    return actions_[next_++];
  }
  void Fault(const UserAction*, std::string_view why) override { faults.emplace_back(why); }
  std::vector<std::string> faults;

 private:
  std::vector<UserAction> actions_;
  std::function<void(HWND)> probe_;
  std::size_t next_ = 0;
};

// "e3" from "e" and 3; spelled out because GCC's overflow warning misfires
// on a short literal plus std::to_string at -O3.
std::string Named(const char* prefix, int n) {
  std::string name(prefix);
  name.append(std::to_string(n));
  return name;
}

bool Enabled(HWND dialog, int id) { return ::IsWindowEnabled(::GetDlgItem(dialog, id)) != FALSE; }
bool Shown(HWND dialog, int id) { return (::GetWindowLong(::GetDlgItem(dialog, id), GWL_STYLE) & WS_VISIBLE) != 0; }

std::vector<std::string> Items(HWND dialog) {
  std::vector<std::string> items;
  const HWND list = ::GetDlgItem(dialog, kList);
  const int count = static_cast<int>(::SendMessage(list, LB_GETCOUNT, 0, 0));
  for (int i = 0; i < count; ++i) {
    char text[64] = {};
    ::SendMessage(list, LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text));
    items.emplace_back(text);
  }
  return items;
}

int Selection(HWND dialog) { return static_cast<int>(::SendDlgItemMessage(dialog, kList, LB_GETCURSEL, 0, 0)); }

std::string StringResource(UINT id) {
  CString text;
  text.LoadString(id);
  return text.str();
}

// Drive C: is a scratch folder of this process holding the system
// directory; the record, the entry table and ChosenName start known.
class ListEditDialogTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (const char* old = std::getenv("VELKO_DRIVE_C")) old_drive_ = old;
    drive_ = fs::temp_directory_path() / ("velko_list_edit_" + std::to_string(::getpid()));
    fs::remove_all(drive_);
    fs::create_directories(drive_ / "WINDOWS" / "SYSTEM");
    ::setenv("VELKO_DRIVE_C", drive_.c_str(), 1);
    std::memset(UserEntryTable, 0, sizeof UserEntryTable);
    std::memcpy(ChosenName, "left from before", 17);
    current_.ColorAdjust = {2, 3, -4, 5, -6, 7, -8, 9};
    current_.Density = {1, -1, 2, -2, 10};
    velko::ui::CurrentSettings = &current_;
    velko::platform::ClearUserRecords();
    ASSERT_EQ(velko::color::CreateUserEntryFile(), 1);
  }
  void TearDown() override {
    velko::platform::SetInputSource(nullptr);
    velko::ui::CurrentSettings = nullptr;
    fs::remove_all(drive_);
    if (old_drive_) ::setenv("VELKO_DRIVE_C", old_drive_->c_str(), 1);
  }

  // Runs the dialog in `mode` through `actions`, probing before the last.
  INT_PTR Run(int32_t mode, std::vector<UserAction> actions, std::function<void(HWND)> probe = nullptr) {
    ProbedInput input(std::move(actions), std::move(probe));
    velko::platform::ScopedInputSource scope(input);
    CListEditDlg dialog;
    dialog.m_nMode = mode;
    const INT_PTR result = dialog.DoModal();
    EXPECT_TRUE(input.faults.empty()) << input.faults.front();
    return result;
  }

  void AddEntry(int slot, const char* name) {
    std::strncpy(UserEntryTable[slot].Name, name, 19);
    UserEntryTable[slot].Colors.BaseColor = 1;
    ASSERT_EQ(velko::color::SaveUserEntry(name), 1);
  }
  void AddWatermark(int slot, const char* name, const char* file) {
    std::strncpy(current_.WatermarkList[slot].Name, name, 19);
    std::strncpy(current_.WatermarkList[slot].File, file, 259);
  }
  std::string Ini() const {
    std::ifstream in(drive_ / "WINDOWS" / "SYSTEM" / "Velko.ini", std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  }
  std::string IniName(int section) const {
    char name[32];
    GetPrivateProfileStringA(("UserEnt" + std::to_string(section)).c_str(), "UserEntName", "?", name, sizeof name,
                             velko::ui::IniPath);
    return name;
  }

  SettingsRecord current_{};
  fs::path drive_;
  std::optional<std::string> old_drive_;
};

TEST_F(ListEditDialogTest, ColorEntryModeShowsTheTableNamesSortedAndHidesTheFileControls) {
  AddEntry(3, "zeta");
  AddEntry(0, "alpha");
  AddEntry(7, "Mid");
  const INT_PTR result = Run(CListEditDlg::kUserColorEntries, {UserAction::Cancel()}, [](HWND dialog) {
    EXPECT_EQ(Items(dialog), (std::vector<std::string>{"alpha", "Mid", "zeta"}));
    char caption[32] = {};
    ::GetWindowText(dialog, caption, sizeof caption);
    EXPECT_STREQ(caption, kEditCaption);
    for (int id : {kFileLabel, kFileEdit, kBrowse}) EXPECT_FALSE(Shown(dialog, id)) << id;
    EXPECT_TRUE(Shown(dialog, kModify));
    for (int id : {kAdd, kDelete, kModify}) EXPECT_FALSE(Enabled(dialog, id)) << id;
    EXPECT_EQ(::SendDlgItemMessage(dialog, kNameEdit, EM_GETLIMITTEXT, 0, 0), 10);
    EXPECT_EQ(::GetFocus(), ::GetDlgItem(dialog, kNameEdit)) << "the focus set when the dialog opens stays";
    EXPECT_EQ(ChosenName[0], '\0');
  });
  EXPECT_EQ(result, IDCANCEL);
  EXPECT_EQ(std::memcmp(ChosenName, std::string(20, '\0').data(), 20), 0) << "all 20 bytes cleared";
}

TEST_F(ListEditDialogTest, WatermarkModeShowsTheRecordsListAndTheFileControls) {
  AddWatermark(0, "w0", "a.bmp");
  AddWatermark(4, "W4", "b.rle");
  const INT_PTR result = Run(CListEditDlg::kUserWatermarks, {UserAction::Click(kClose)}, [](HWND dialog) {
    EXPECT_EQ(Items(dialog), (std::vector<std::string>{"w0", "W4"}));
    for (int id : {kFileLabel, kFileEdit, kBrowse}) EXPECT_TRUE(Shown(dialog, id)) << id;
    EXPECT_FALSE(Shown(dialog, kModify));
    EXPECT_EQ(::SendDlgItemMessage(dialog, kFileEdit, EM_GETLIMITTEXT, 0, 0), 64);
    EXPECT_EQ(::SendDlgItemMessage(dialog, kNameEdit, EM_GETLIMITTEXT, 0, 0), 10);
  });
  EXPECT_EQ(result, IDOK) << "close ends with OK";
  EXPECT_EQ(ChosenName[0], '\0') << "close chooses nothing";
}

struct EnablingCase {
  const char* what;
  int32_t mode;
  std::vector<UserAction> actions;
  bool add, remove, modify;
};

TEST_F(ListEditDialogTest, ButtonsFollowTheNameTheFileAndTheSelection) {
  AddEntry(0, "abc");
  AddWatermark(0, "abc", "a.bmp");
  const EnablingCase cases[] = {
      {"a name enables add", 1, {UserAction::Type(kNameEdit, "n")}, true, false, false},
      {"clearing it disables add again", 1, {UserAction::Type(kNameEdit, "n"), UserAction::Clear(kNameEdit)}, false,
       false, false},
      {"a selection enables delete and modify", 1, {UserAction::SelectText(kList, "abc")}, false, true, true},
      {"watermarks: a name alone is not enough", 2, {UserAction::Type(kNameEdit, "n")}, false, false, false},
      {"watermarks: a name and a file", 2, {UserAction::Type(kNameEdit, "n"), UserAction::Type(kFileEdit, "f")}, true,
       false, false},
      {"watermarks: a file alone", 2, {UserAction::Type(kFileEdit, "f")}, false, false, false},
  };
  for (const EnablingCase& c : cases) {
    std::vector<UserAction> actions = c.actions;
    actions.push_back(UserAction::Cancel());
    Run(c.mode, actions, [&c](HWND dialog) {
      EXPECT_EQ(Enabled(dialog, kAdd), c.add) << c.what;
      EXPECT_EQ(Enabled(dialog, kDelete), c.remove) << c.what;
      if (c.mode == 1) {
        EXPECT_EQ(Enabled(dialog, kModify), c.modify) << c.what;
      }
    });
  }
}

TEST_F(ListEditDialogTest, AFullListDisablesTheEditFieldsUntilANameIsDeleted) {
  for (int mode : {1, 2}) {
    for (int n = 0; n < 10; ++n) {
      const char name[] = {'n', static_cast<char>('0' + n), '\0'};
      if (mode == 1) AddEntry(n, name);
      else AddWatermark(n, name, "x.bmp");
    }
    Run(mode, {UserAction::SelectText(kList, "n4"), UserAction::Click(kDelete), UserAction::Cancel()}, [mode](HWND dialog) {
      for (int id : {kNameEdit, kFileEdit, kBrowse}) {
        if (mode == 1 && id != kNameEdit) continue;
        EXPECT_TRUE(Enabled(dialog, id)) << mode << " " << id;
      }
      EXPECT_EQ(Items(dialog).size(), 9u);
    });
    // Before the delete, seen on a second run with the list full again.
    if (mode == 1) AddEntry(4, "n4");
    else AddWatermark(4, "n4", "x.bmp");
    Run(mode, {UserAction::Cancel()}, [mode](HWND dialog) {
      EXPECT_FALSE(Enabled(dialog, kNameEdit)) << mode;
      if (mode == 2) {
        EXPECT_FALSE(Enabled(dialog, kFileEdit) || Enabled(dialog, kBrowse));
      }
      // Delete has no selection to act on: the list holds the focus.
      EXPECT_EQ(::GetFocus(), ::GetDlgItem(dialog, kList)) << mode;
    });
  }
}

TEST_F(ListEditDialogTest, AddingAColorEntryStoresTheRecordsBlocksAndEndsWithItsName) {
  AddEntry(0, "first");
  UserEntryTable[0].Colors.Sample = 1;
  const INT_PTR result =
      Run(1, {UserAction::Type(kNameEdit, "\xB2\xE2\xCA\xD4"), UserAction::Click(kAdd)});  // 测试
  EXPECT_EQ(result, IDOK);
  EXPECT_STREQ(ChosenName, "\xB2\xE2\xCA\xD4");
  const UserColorEntry& added = UserEntryTable[1];
  EXPECT_STREQ(added.Name, "\xB2\xE2\xCA\xD4");
  EXPECT_EQ(std::memcmp(&added.Colors, &current_.ColorAdjust, 32), 0) << "Sample included";
  EXPECT_EQ(std::memcmp(&added.Density, &current_.Density, 20), 0);
  EXPECT_EQ(IniName(1), "\xB2\xE2\xCA\xD4");
  EXPECT_NE(Ini().find("[UserEnt1]\r\nUserEntName=\xB2\xE2\xCA\xD4\r\n\r\nBaseColor=3\r\nBright=-4\r\n"),
            std::string::npos);
}

TEST_F(ListEditDialogTest, ANameAlreadyListedIsRefusedWithoutRegardToCase) {
  for (int mode : {1, 2}) {
    velko::platform::ClearUserRecords();
    if (mode == 1) AddEntry(0, "abc");
    else AddWatermark(0, "abc", "a.bmp");
    const std::string before = Ini();
    std::vector<UserAction> actions{UserAction::Type(kNameEdit, "ABC")};
    if (mode == 2) actions.push_back(UserAction::Type(kFileEdit, "b.bmp"));
    for (const UserAction& a : {UserAction::Click(kAdd), UserAction::Answer(IDOK), UserAction::Click(kClose)}) {
      actions.push_back(a);
    }
    const INT_PTR result = Run(mode, actions, [](HWND dialog) {
      EXPECT_EQ(Items(dialog).size(), 1u) << "the dialog stays open";
    });
    EXPECT_EQ(result, IDOK);
    const auto& boxes = velko::platform::UserRecords().message_boxes;
    ASSERT_EQ(boxes.size(), 1u) << mode;
    EXPECT_EQ(boxes[0].text, kNameExists);
    EXPECT_EQ(boxes[0].caption, "VelkoUI");
    EXPECT_EQ(boxes[0].icon, static_cast<UINT>(MB_ICONWARNING));
    EXPECT_EQ(ChosenName[0], '\0');
    EXPECT_EQ(Ini(), before);
    EXPECT_EQ(current_.WatermarkList[1].Name[0], '\0');
    EXPECT_EQ(UserEntryTable[1].Name[0], '\0');
  }
}

struct FileCase {
  const char* what;
  std::string path;
  UINT message;  // 0: accepted
};

TEST_F(ListEditDialogTest, AWatermarkFileMustCarryABmpOrRleExtension) {
  const FileCase cases[] = {
      {"capital .BMP passes", "C:\\PIC.BMP", 0},
      {"mixed-case .rLe passes", "x.rLe", 0},
      {"the shortest that passes", ".bmp", 0},
      {"a double-byte name before the extension", "\xCD\xBC.bmp", 0},  // 图: bytes above 0x80 are no blanks
      {"a blank after .bmp: refused for its extension", "pic.bmp ", 5210},
      {"three characters are too short", "a.b", 5209},
      // Bytes above 0x80 at the end are characters, not trailing blanks.
      {"double-byte characters only: refused for the extension", "\xCD\xBC\xCD\xBC", 5210},
      {"blanks only are too short", "      ", 5209},
      {"short once the trailing blanks go", "abc  ", 5209},
      {"another extension", "picture.gif", 5210},
      {"no extension", "picture", 5210},
  };
  for (const FileCase& c : cases) {
    current_ = SettingsRecord{};
    velko::platform::ClearUserRecords();
    std::vector<UserAction> actions{UserAction::Type(kNameEdit, "mark"), UserAction::Type(kFileEdit, c.path),
                                    UserAction::Click(kAdd)};
    if (c.message != 0) {
      actions.push_back(UserAction::Answer(IDOK));
      actions.push_back(UserAction::Cancel());
    }
    const INT_PTR result = Run(2, actions);
    const auto& boxes = velko::platform::UserRecords().message_boxes;
    if (c.message == 0) {
      EXPECT_EQ(result, IDOK) << c.what;
      EXPECT_TRUE(boxes.empty()) << c.what;
      EXPECT_STREQ(current_.WatermarkList[0].Name, "mark") << c.what;
      EXPECT_EQ(std::string(current_.WatermarkList[0].File), c.path) << c.what;
      EXPECT_STREQ(ChosenName, "mark") << c.what;
    } else {
      EXPECT_EQ(result, IDCANCEL) << c.what;
      ASSERT_EQ(boxes.size(), 1u) << c.what;
      EXPECT_EQ(boxes[0].text, StringResource(c.message)) << c.what;
      EXPECT_EQ(current_.WatermarkList[0].Name[0], '\0') << c.what;
    }
  }
}

TEST_F(ListEditDialogTest, WatermarkSlotsStayInPlaceAndAFreedSlotIsFilledFirst) {
  for (int n = 0; n < 5; ++n) AddWatermark(n, Named("w", n).c_str(), "x.bmp");
  const SettingsRecord before = current_;
  Run(2, {UserAction::SelectText(kList, "w3"), UserAction::Click(kDelete), UserAction::Cancel()}, [](HWND dialog) {
    EXPECT_EQ(Selection(dialog), 3) << "the next name moves up into the index";
    EXPECT_EQ(Items(dialog)[3], "w4");
  });
  EXPECT_EQ(std::memcmp(&current_.WatermarkList[3], std::string(280, '\0').data(), 280), 0);
  for (int n : {0, 1, 2, 4}) {
    EXPECT_EQ(std::memcmp(&current_.WatermarkList[n], &before.WatermarkList[n], 280), 0) << n;
  }
  Run(2, {UserAction::Type(kNameEdit, "new"), UserAction::Type(kFileEdit, "n.rle"), UserAction::Click(kAdd)});
  EXPECT_STREQ(current_.WatermarkList[3].Name, "new");
  EXPECT_STREQ(current_.WatermarkList[3].File, "n.rle");
  EXPECT_EQ(current_.WatermarkList[5].Name[0], '\0');
}

TEST_F(ListEditDialogTest, DeletingAColorEntryZeroesItsSlotAndEmptiesItsSectionAndKeepsTheDialogOpen) {
  AddEntry(0, "a");
  AddEntry(1, "b");
  const INT_PTR result = Run(1,
                             {UserAction::SelectText(kList, "b"), UserAction::Click(kDelete),
                              UserAction::SelectText(kList, "a"), UserAction::Click(kDelete), UserAction::Cancel()},
                             [](HWND dialog) {
                               EXPECT_TRUE(Items(dialog).empty());
                               EXPECT_EQ(Selection(dialog), LB_ERR) << "after the last name nothing is selected";
                               EXPECT_FALSE(Enabled(dialog, kDelete));
                               EXPECT_FALSE(Enabled(dialog, kModify));
                             });
  EXPECT_EQ(result, IDCANCEL) << "Cancel undoes nothing";
  for (int slot : {0, 1}) {
    EXPECT_EQ(std::memcmp(&UserEntryTable[slot], std::string(72, '\0').data(), 72), 0) << slot;
    EXPECT_EQ(IniName(slot), "") << slot;
  }
  EXPECT_NE(Ini().find("[UserEnt0]\r\nUserEntName=\r\n\r\nBaseColor=1\r\n"), std::string::npos)
      << "the values stay in the file";
}

TEST_F(ListEditDialogTest, ModifyingAnEntryTakesTheRecordsBlocksAndMovesItToAnEarlierFreeSection) {
  for (int n = 0; n < 6; ++n) AddEntry(n, Named("e", n).c_str());
  ASSERT_EQ(IniName(5), "e5");
  ASSERT_EQ(velko::color::DeleteUserEntry("e2"), 1);  // section 2 free, slot 2 still named
  std::memset(&UserEntryTable[2], 0, sizeof(UserColorEntry));
  const INT_PTR result = Run(1, {UserAction::SelectText(kList, "e5"), UserAction::Click(kModify)});
  EXPECT_EQ(result, IDOK);
  EXPECT_STREQ(ChosenName, "e5");
  EXPECT_EQ(std::memcmp(&UserEntryTable[5].Colors, &current_.ColorAdjust, 32), 0);
  EXPECT_EQ(std::memcmp(&UserEntryTable[5].Density, &current_.Density, 20), 0);
  EXPECT_STREQ(UserEntryTable[5].Name, "e5");
  EXPECT_EQ(IniName(2), "e5");
  EXPECT_EQ(IniName(5), "");
  EXPECT_NE(Ini().find("[UserEnt2]\r\nUserEntName=e5\r\n\r\nBaseColor=3\r\nBright=-4\r\n"), std::string::npos);
}

struct BrowseCase {
  const char* what;
  std::optional<std::string> chosen;  // nothing: the user cancels
  std::string field;                  // 2416 afterwards
  bool warned;
};

TEST_F(ListEditDialogTest, BrowsingPutsAPathOfUpTo64CharactersIntoTheFileField) {
  const std::string at_limit = "C:\\" + std::string(57, 'p') + ".bmp";
  const std::string over = "C:\\" + std::string(58, 'p') + ".bmp";
  ASSERT_EQ(at_limit.size(), 64u);
  const BrowseCase cases[] = {
      {"a short path", "C:\\PICS\\LOGO.BMP", "C:\\PICS\\LOGO.BMP", false},
      {"64 characters", at_limit, at_limit, false},
      {"65 characters are refused", over, "before", true},
      {"cancelled", std::nullopt, "before", false},
  };
  for (const BrowseCase& c : cases) {
    velko::platform::ClearUserRecords();
    std::vector<UserAction> actions{UserAction::Type(kFileEdit, "before"), UserAction::Click(kBrowse)};
    actions.push_back(c.chosen ? UserAction::Browse(*c.chosen) : UserAction::Cancel());
    if (c.warned) actions.push_back(UserAction::Answer(IDOK));
    actions.push_back(UserAction::Cancel());
    Run(2, actions, [&c](HWND dialog) {
      char field[300] = {};
      ::GetDlgItemText(dialog, kFileEdit, field, sizeof field);
      EXPECT_EQ(std::string(field), c.field) << c.what;
    });
    const auto& records = velko::platform::UserRecords();
    ASSERT_EQ(records.open_files.size(), 1u) << c.what;
    EXPECT_EQ(records.open_files[0].filter, "Bitmap files (*.bmp)|*.bmp|Run-length encode files (*.rle)|*.rle")
        << c.what;
    EXPECT_EQ(records.open_files[0].default_extension, "bmp");
    EXPECT_EQ(records.open_files[0].flags & (OFN_READONLY | OFN_PATHMUSTEXIST | OFN_FILEMUSTEXIST | OFN_NODEREFERENCELINKS),
              OFN_READONLY | OFN_PATHMUSTEXIST | OFN_FILEMUSTEXIST | OFN_NODEREFERENCELINKS);
    ASSERT_EQ(records.message_boxes.size(), c.warned ? 1u : 0u) << c.what;
    if (c.warned) {
      EXPECT_EQ(records.message_boxes[0].text, StringResource(5207));
    }
  }
}

TEST_F(ListEditDialogTest, ABrowsedFileEnablesAddAndIsStored) {
  const INT_PTR result = Run(2, {UserAction::Type(kNameEdit, "logo"), UserAction::Click(kBrowse),
                                 UserAction::Browse("C:\\LOGO.RLE"), UserAction::Click(kAdd)});
  EXPECT_EQ(result, IDOK);
  EXPECT_STREQ(current_.WatermarkList[0].File, "C:\\LOGO.RLE");
  EXPECT_STREQ(ChosenName, "logo");
}

struct HelpCase {
  int32_t mode;
  int control;
  DWORD context;
};

TEST_F(ListEditDialogTest, ContextHelpUsesTheTopicsOfTheMode) {
  const HelpCase cases[] = {
      {1, 2204, 0x80162}, {1, kList, 0x80162},   {1, kNameEdit, 0x80163}, {1, 2211, 0x80163},
      {1, kAdd, 0x80164}, {1, kModify, 0x80165}, {1, kDelete, 0x80166},   {1, kClose, 0x80167},
      {2, 2204, 0x80193}, {2, 2206, 0x80194},    {2, kFileLabel, 0x80195}, {2, kFileEdit, 0x80195},
      {2, kBrowse, 0x80195}, {2, kAdd, 0x80196}, {2, kDelete, 0x80197},   {2, kClose, 0x80167},
  };
  for (const HelpCase& c : cases) {
    velko::platform::ClearUserRecords();
    Run(c.mode, {UserAction::Help(c.control), UserAction::Cancel()});
    const auto& help = velko::platform::UserRecords().help;
    ASSERT_EQ(help.size(), 1u) << c.control;
    EXPECT_EQ(help[0].file, "Velko.hlp");
    EXPECT_EQ(help[0].command, static_cast<UINT>(HELP_CONTEXTMENU));
    EXPECT_TRUE(help[0].table_ok && help[0].found) << c.mode << " " << c.control;
    EXPECT_EQ(help[0].context, c.context) << c.mode << " " << c.control;
  }
}

}  // namespace
