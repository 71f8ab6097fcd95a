// CFileDialog: the request the platform records, and the answers of the
// input source.
#include "tests/platform/afx_test_support.h"

namespace velko::platform::afx_test {
namespace {

using vp_action = velko::platform::UserAction;

constexpr const char* kFilter = "Bitmap files (*.bmp)|*.bmp|Run-length encode files (*.rle)|*.rle||";
constexpr DWORD kFlags = OFN_READONLY | OFN_PATHMUSTEXIST | OFN_FILEMUSTEXIST | OFN_NODEREFERENCELINKS;

TEST_F(AfxTest, OpenFileDialogAnsweredByTheInput) {
  const std::string long_path = "C:\\" + std::string(300, 'p') + ".bmp";
  struct Case {
    const char* name;
    std::optional<vp_action> next;
    INT_PTR result;
    const char* path;   // GetPathName afterwards
    const char* file;   // GetFileName
    const char* ext;    // GetFileExt
    const char* title;  // GetFileTitle
    std::size_t faults;
  } cases[] = {
      {"browsed", vp_action::Browse("C:\\pics\\Logo.BMP"), IDOK, "C:\\pics\\Logo.BMP", "Logo.BMP", "BMP", "Logo", 0},
      {"default extension", vp_action::Browse("C:\\pics\\logo"), IDOK, "C:\\pics\\logo.bmp", "logo.bmp", "bmp",
       "logo", 0},
      {"point in a folder name", vp_action::Browse("C:\\a.b\\logo.rle"), IDOK, "C:\\a.b\\logo.rle", "logo.rle",
       "rle", "logo", 0},
      {"drive only", vp_action::Browse("C:logo.bmp"), IDOK, "C:logo.bmp", "logo.bmp", "bmp", "logo", 0},
      {"cancelled", vp_action::Cancel(), IDCANCEL, "", "", "", "", 0},
      {"path too long", vp_action::Browse(long_path), IDCANCEL, "", "", "", "", 0},
      {"input ran dry", std::nullopt, IDCANCEL, "", "", "", "", 1},
  };
  for (const Case& c : cases) {
    QueuedInput input;
    if (c.next) input.Push(*c.next);
    ScopedInputSource use(input);
    CFileDialog dialog(TRUE, "bmp", nullptr, kFlags, kFilter);
    EXPECT_EQ(dialog.DoModal(), c.result) << c.name;
    EXPECT_EQ(dialog.GetPathName(), c.path) << c.name;
    EXPECT_EQ(dialog.GetFileName(), c.file) << c.name;
    EXPECT_EQ(dialog.GetFileExt(), c.ext) << c.name;
    EXPECT_EQ(dialog.GetFileTitle(), c.title) << c.name;
    EXPECT_EQ(input.faults().size(), c.faults) << c.name;
  }
  const auto& records = velko::platform::UserRecords().open_files;
  ASSERT_EQ(records.size(), std::size(cases));
  EXPECT_EQ(records[0].filter, "Bitmap files (*.bmp)|*.bmp|Run-length encode files (*.rle)|*.rle");
  EXPECT_EQ(records[0].default_extension, "bmp");
  EXPECT_EQ(records[0].flags, kFlags);
}

TEST_F(AfxTest, OpenFileDialogKeepsItsStartNameWhenNothingIsChosen) {
  QueuedInput input({vp_action::Cancel()});
  ScopedInputSource use(input);
  CFileDialog dialog(TRUE, nullptr, "start.bmp");
  EXPECT_EQ(dialog.DoModal(), IDCANCEL);
  EXPECT_EQ(dialog.GetPathName(), "start.bmp");
}

TEST_F(AfxTest, SaveDialogIsNotOffered) {
  QueuedInput input({vp_action::Browse("C:\\x.bmp")});
  ScopedInputSource use(input);
  CFileDialog dialog(FALSE);
  EXPECT_EQ(dialog.DoModal(), IDCANCEL);
  EXPECT_EQ(input.remaining(), 1u) << "nothing was asked";
  EXPECT_TRUE(velko::platform::UserRecords().open_files.empty());
}

}  // namespace
}  // namespace velko::platform::afx_test
