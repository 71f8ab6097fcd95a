// The statements that write rather than only check: `set` (a field of the
// record), `shot` (a window's pixels as PNG) and `expect pixel`; how they
// parse, what malformed forms say, and what they do on a dialog whose
// owner-drawn control paints known pixels.
#include <gtest/gtest.h>
#include <png.h>

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "host/script/parser.h"
#include "host/script/script_source.h"
#include "platform/gdi/gdi.h"
#include "platform/kernel/modules.h"
#include "platform/user/user.h"

namespace velko::script {
namespace {

Statement ParseOne(const std::string& line) {
  const ParseResult r = ParseScript(line, "t.vsh");
  EXPECT_TRUE(r.errors.empty()) << line << ": " << (r.errors.empty() ? "" : r.errors[0].message);
  EXPECT_EQ(r.script.statements.size(), 1u) << line;
  return r.script.statements.empty() ? Statement{} : r.script.statements[0];
}

TEST(ScriptStatements, SetShotAndPixelCarryTheirArguments) {
  const struct {
    std::string line;
    CheckKind kind;
    int id, x, y;
    int64_t number;
    std::string text;
    FieldValue value;
    const char* catches;
  } cases[] = {
      {"set PaperSize 9", CheckKind::Set, 0, 0, 0, 0, "", int32_t{9}, "an integer field"},
      {"set CustomWidth 215.9", CheckKind::Set, 0, 0, 0, 0, "", 215.9, "a real field keeps its fraction"},
      {"set WatermarkList[2].Name \"机密\"", CheckKind::Set, 0, 0, 0, 0, "", std::string("\xBB\xFA\xC3\xDC"),
       "a list entry's text, converted to GB2312"},
      {"shot 1024 \"banner.png\"", CheckKind::Shot, 1024, 0, 0, 0, "banner.png", int32_t{0}, "a control"},
      {"shot 0 \"页/a.png\"", CheckKind::Shot, 0, 0, 0, 0, "页/a.png", int32_t{0},
       "the whole window; the file name stays UTF-8, as the file system wants it"},
      {"expect pixel 1024 3 4 255 0 128", CheckKind::Pixel, 1024, 3, 4, 0x8000FF, "", int32_t{0},
       "x before y; red in the low byte as COLORREF has it"},
  };
  for (const auto& c : cases) {
    const Statement s = ParseOne(c.line);
    ASSERT_FALSE(s.IsAction()) << c.line;
    const Check& check = std::get<Check>(s.what);
    EXPECT_EQ(check.kind, c.kind) << c.line << " (" << c.catches << ")";
    EXPECT_EQ(check.id, c.id) << c.line;
    EXPECT_EQ(check.x, c.x) << c.line;
    EXPECT_EQ(check.y, c.y) << c.line;
    EXPECT_EQ(check.number, c.number) << c.line;
    EXPECT_EQ(check.text, c.text) << c.line;
    if (c.kind == CheckKind::Set) {
      EXPECT_EQ(check.value, c.value) << c.line << " (" << c.catches << ")";
    }
  }
}

TEST(ScriptStatements, MalformedFormsSayWhatWasExpected) {
  const struct {
    std::string line;
    std::string message_part;
  } cases[] = {
      {"set Nothing 1", "has no field Nothing"},                          // unknown field
      {"set PaperSize", "the value of PaperSize"},                       // value missing
      {"set PaperSize \"9\"", "a 32-bit integer"},                       // a text for a number
      {"set MainText \"123456789012\"", "holds at most 11 bytes"},      // longer than the field
      {"set PaperSize 1 2", "unexpected 2"},                             // extra word
      {"shot 1024", "the PNG file to write"},                            // no file
      {"shot 1024 \"\"", "the PNG file to write"},                       // empty name
      {"shot 70000 \"a.png\"", "a control id"},                          // id out of range
      {"expect pixel 1024 1 2 256 0 0", "the red level"},                // level above 255
      {"expect pixel 1024 -1 0 0 0 0", "the pixel's x"},                 // negative x
      {"expect pixel 1024 1 2 3 4", "the blue level"},                   // a level missing
  };
  for (const auto& c : cases) {
    const ParseResult r = ParseScript(c.line, "t.vsh");
    ASSERT_EQ(r.errors.size(), 1u) << c.line;
    EXPECT_EQ(r.errors[0].line, 1) << c.line;
    EXPECT_NE(r.errors[0].message.find(c.message_part), std::string::npos) << c.line << ": " << r.errors[0].message;
  }
}

constexpr WORD kTemplateId = 4101;
constexpr int kPicture = 20;
constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);
// The blue pixel the picture has, away from the diagonal so x and y cannot
// be swapped unseen.
constexpr int kBlueX = 3, kBlueY = 1;

constexpr platform::ControlTemplate kControls[] = {
    {kPicture, "STATIC", "", WS_VISIBLE | SS_OWNERDRAW, 20, 10, 20, 10},
    {IDOK, "BUTTON", "OK", WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON, 5, 60, 50, 14},
};
constexpr platform::DialogTemplate kDialog{
    .caption = "pictures", .font_name = "\xCB\xCE\xCC\xE5", .font_size = 8, .cx = 100, .cy = 80, .controls = kControls};

INT_PTR PictureDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_INITDIALOG: return TRUE;
    case WM_DRAWITEM: {
      const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
      const HBRUSH red = CreateSolidBrush(kRed);
      FillRect(item->hDC, &item->rcItem, red);
      DeleteObject(red);
      SetPixelV(item->hDC, kBlueX, kBlueY, kBlue);
      return TRUE;
    }
    case WM_COMMAND:
      if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) EndDialog(dialog, LOWORD(wParam));
      return TRUE;
    default: return FALSE;
  }
}

// The PNG's pixels as COLORREF, row by row.
std::vector<COLORREF> ReadPng(const std::filesystem::path& path, int* width, int* height) {
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  if (!png_image_begin_read_from_file(&image, path.c_str())) return {};
  image.format = PNG_FORMAT_RGB;
  std::vector<uint8_t> rgb(PNG_IMAGE_SIZE(image));
  if (!png_image_finish_read(&image, nullptr, rgb.data(), 0, nullptr)) return {};
  *width = static_cast<int>(image.width);
  *height = static_cast<int>(image.height);
  std::vector<COLORREF> pixels;
  for (std::size_t i = 0; i + 2 < rgb.size(); i += 3) pixels.push_back(RGB(rgb[i], rgb[i + 1], rgb[i + 2]));
  return pixels;
}

class PictureDialogTest : public ::testing::Test {
 protected:
  void SetUp() override {
    const platform::ResourceEntry entries[] = {platform::DialogResource(kTemplateId, kDialog)};
    platform::RegisterResources(module_.handle(), entries);
    dir_ = std::filesystem::temp_directory_path() / ("velko_shots_" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir_);
  }
  void TearDown() override {
    platform::UnregisterResources(module_.handle());
    std::filesystem::remove_all(dir_);
  }

  // Runs the dialog with `text` (well formed) as the input source; the
  // failures reported.
  std::vector<std::string> Run(const std::string& text) {
    ParseResult parsed = ParseScript(text, "t.vsh");
    EXPECT_TRUE(parsed.errors.empty()) << (parsed.errors.empty() ? "" : parsed.errors[0].message);
    script_ = std::move(parsed.script);
    ScriptSource source(script_, ScriptWorld{[] { return HWND{0}; }, &record_}, out_, err_);
    const platform::ScopedInputSource scope(source);
    DialogBoxParam(module_.handle(), MAKEINTRESOURCE(kTemplateId), 0, PictureDialogProc, 0);
    return source.failures();
  }

  // Where the picture lies in the dialog's client area, in pixels.
  static RECT PictureRect() {
    const RECT units{20, 10, 40, 20};
    return platform::DialogUnitsToPixels(units, platform::BaseUnitsForFont(kDialog.font_name, kDialog.font_size));
  }

  platform::ModuleRegistration module_{"ShotTest.dll"};
  SettingsRecord record_{};
  Script script_;
  std::ostringstream out_, err_;
  std::filesystem::path dir_;
};

TEST_F(PictureDialogTest, SetWritesTheFieldWhereTheScriptStands) {
  const std::vector<std::string> failures = Run(
      "expect field Copies 0\n"
      "set Copies 7\n"
      "expect field Copies 7\n"
      "set MainText \"副本\"\n"
      "set CustomHeight 297.5\n"
      "ok\n");
  EXPECT_TRUE(failures.empty()) << (failures.empty() ? "" : failures[0]);
  EXPECT_EQ(record_.Copies, 7);
  EXPECT_STREQ(record_.MainText, "\xB8\xB1\xB1\xBE");
  EXPECT_DOUBLE_EQ(record_.CustomHeight, 297.5);
}

TEST_F(PictureDialogTest, ShotWritesTheControlsPixelsAndTheWholeDialog) {
  const RECT at = PictureRect();
  const std::string control_png = (dir_ / "picture.png").string();
  const std::string dialog_png = (dir_ / "dialog.png").string();
  const std::vector<std::string> failures =
      Run("shot 20 \"" + control_png + "\"\nshot 0 \"" + dialog_png + "\"\nok\n");
  ASSERT_TRUE(failures.empty()) << failures[0];

  int width = 0, height = 0;
  const std::vector<COLORREF> picture = ReadPng(control_png, &width, &height);
  ASSERT_EQ(width, at.right - at.left);
  ASSERT_EQ(height, at.bottom - at.top);
  EXPECT_EQ(picture[0], kRed);
  EXPECT_EQ(picture[kBlueY * width + kBlueX], kBlue);
  EXPECT_EQ(picture[kBlueX * width + kBlueY], kRed) << "x and y swapped";

  const std::vector<COLORREF> whole = ReadPng(dialog_png, &width, &height);
  ASSERT_GT(width, at.right);
  ASSERT_GT(height, at.bottom);
  EXPECT_EQ(whole[(at.top + kBlueY) * width + at.left + kBlueX], kBlue) << "the picture laid at its place";
  EXPECT_EQ(whole[at.top * width + at.left], kRed);
  EXPECT_EQ(whole[0], platform::kDialogFaceColor) << "the dialog's own face around it";
}

TEST_F(PictureDialogTest, PixelChecksReportTheColorFoundOrWhyThereIsNone) {
  const RECT at = PictureRect();
  const std::string whole_blue = "expect pixel 0 " + std::to_string(at.left + kBlueX) + " " +
                                 std::to_string(at.top + kBlueY) + " 0 0 255\n";
  const std::vector<std::string> failures = Run(
      "expect pixel 20 0 0 255 0 0\n"   // 1: holds
      "expect pixel 20 3 1 0 0 255\n"   // 2: holds
      + whole_blue +                    // 3: holds, through the whole dialog
      "expect pixel 20 1 3 0 0 255\n"   // 4: red there
      "expect pixel 20 999 0 0 0 0\n"   // 5: outside
      "expect pixel 99 0 0 0 0 0\n"     // 6: no such control
      "shot 20 \"" + (dir_ / "no" / "such" / "x.png").string() + "\"\n"  // 7: folder missing
      "ok\n");
  ASSERT_EQ(failures.size(), 4u);
  EXPECT_NE(failures[0].find("t.vsh:4: "), std::string::npos) << failures[0];
  EXPECT_NE(failures[0].find("expected 0 0 255, got 255 0 0"), std::string::npos) << failures[0];
  EXPECT_NE(failures[1].find("t.vsh:5: "), std::string::npos) << failures[1];
  EXPECT_NE(failures[1].find("outside"), std::string::npos) << failures[1];
  EXPECT_NE(failures[2].find("no control 99"), std::string::npos) << failures[2];
  EXPECT_NE(failures[3].find("t.vsh:7: "), std::string::npos) << failures[3];
  EXPECT_NE(failures[3].find("cannot write"), std::string::npos) << failures[3];
}

}  // namespace
}  // namespace velko::script
