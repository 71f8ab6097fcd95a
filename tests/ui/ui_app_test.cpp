// VelkoUI's application object: the INI path and the instance handle set at
// load, and the fallback when the system directory is unusable.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "platform/afx/app.h"
#include "platform/res/resources.h"
#include "ui/core/ui_app.h"

namespace {

using velko::ui::FillIniPath;

TEST(UiAppTest, LoadingTheLibraryFillsTheIniPathAndInstanceHandle) {
  EXPECT_STREQ(velko::ui::IniPath, "C:\\WINDOWS\\SYSTEM\\Velko.ini");
  const HMODULE module = GetModuleHandleA("VelkoUI.dll");
  ASSERT_NE(module, 0u);
  EXPECT_EQ(velko::ui::ModuleInstance, module);
  EXPECT_NE(dynamic_cast<velko::ui::CUiApp*>(AfxGetApp()), nullptr);
  EXPECT_EQ(AfxGetApp()->m_hInstance, module);
  // The banners of the pages load through the kept handle.
  for (const WORD banner : {2163, 2164}) {
    EXPECT_FALSE(velko::platform::FindResourceBytes(velko::ui::ModuleInstance,
                                                    velko::platform::kResourceBitmap, banner)
                     .empty())
        << banner;
  }
}

// What the fake system directory query reports, and how.
std::string fakeDirectory;
UINT fakeLength = 0;
bool fakeWrites = true;

UINT FakeSystemDirectory(LPSTR buffer, UINT size) {
  if (fakeWrites && fakeDirectory.size() < size) {
    std::memcpy(buffer, fakeDirectory.c_str(), fakeDirectory.size() + 1);
  }
  return fakeLength;
}

struct IniCase {
  const char* what;
  std::string directory;
  UINT reported;
  bool writes;
  std::string expected;
};

TEST(UiAppTest, TheIniPathFallsBackWhenTheSystemDirectoryIsUnusable) {
  const std::string fallback = "\\windows\\system\\Velko.ini";
  const std::string fits(249, 'd');  // 249 + 10 characters fill the buffer to its last byte
  const std::string overlong(250, 'd');
  const IniCase cases[] = {
      {"a usable directory", "D:\\SYS", 6, true, "D:\\SYS\\Velko.ini"},
      {"the call fails", "", 0, true, fallback},
      {"the length differs from the text", "C:\\WINDOWS\\SYSTEM", 12, true, fallback},
      {"the directory takes the whole buffer: the size needed comes back, nothing is written",
       std::string(300, 'd'), 301, false, fallback},
      {"the path just fits", fits, 249, true, fits + "\\Velko.ini"},
      {"the path would overrun by one", overlong, 250, true, fallback},
      {"259 characters with nothing left for the name", std::string(259, 'd'), 259, true, fallback},
  };
  for (const auto& c : cases) {
    fakeDirectory = c.directory;
    fakeLength = c.reported;
    fakeWrites = c.writes;
    struct {
      char path[MAX_PATH];
      char guard[8];
    } buffer;
    std::memset(&buffer, '#', sizeof buffer);
    FillIniPath(buffer.path, FakeSystemDirectory);
    EXPECT_EQ(std::string(buffer.path, strnlen(buffer.path, MAX_PATH)), c.expected) << c.what;
    EXPECT_EQ(std::string(buffer.guard, 8), std::string(8, '#')) << c.what << ": overrun";
  }
}

TEST(AfxWinInitTest, TheProgramsStateKeepsResourcesWithTheLibrary) {
  const HMODULE program = GetModuleHandleA(nullptr);
  ASSERT_EQ(AfxWinInit(program, 0, GetCommandLineA(), 0), TRUE);
  EXPECT_EQ(AfxGetInstanceHandle(), program);
  EXPECT_EQ(AfxGetResourceHandle(), GetModuleHandleA("VelkoUI.dll"));
}

TEST(AfxWinInitTest, AnUnknownInstanceFailsAndChangesNothing) {
  const HMODULE program = GetModuleHandleA(nullptr);
  ASSERT_EQ(AfxWinInit(program, 0, GetCommandLineA(), 0), TRUE);

  EXPECT_EQ(AfxWinInit(0, 0, GetCommandLineA(), 0), FALSE);
  EXPECT_EQ(AfxWinInit(0xFFFFFF, 0, GetCommandLineA(), 0), FALSE);
  EXPECT_EQ(AfxGetInstanceHandle(), program);
}

}  // namespace
