// Drive C: on a host folder: where the folder is, and how Windows paths find
// their files inside it.
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <fstream>
#include <optional>
#include <string>

#include "platform/kernel/kernel.h"

namespace fs = std::filesystem;

namespace {

// Sets or clears an environment variable for one test and puts it back.
class ScopedEnv {
 public:
  ScopedEnv(const char* name, const char* value) : name_(name) {
    if (const char* old = std::getenv(name)) old_ = old;
    if (value) {
      setenv(name, value, 1);
    } else {
      unsetenv(name);
    }
  }
  ~ScopedEnv() {
    if (old_) {
      setenv(name_, old_->c_str(), 1);
    } else {
      unsetenv(name_);
    }
  }

 private:
  const char* name_;
  std::optional<std::string> old_;
};

class DriveTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string pattern = (fs::temp_directory_path() / "velko-drive-XXXXXX").string();
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    root_ = pattern;
    drive_.emplace("VELKO_DRIVE_C", root_.c_str());
    fs::create_directories(root_ / "Windows" / "System");
    std::ofstream(root_ / "Windows" / "System" / "Velko.ini") << "[UserEnt0]\n";
  }
  void TearDown() override {
    drive_.reset();
    fs::remove_all(root_);
  }

  fs::path root_;
  std::optional<ScopedEnv> drive_;
};

struct PathCase {
  const char* windows;
  const char* host;  // relative to the drive's folder
};

TEST_F(DriveTest, WindowsPathsResolveInsideTheDrive) {
  const PathCase cases[] = {
      // The existing file takes its host spelling whatever the case asked for.
      {"C:\\WINDOWS\\SYSTEM\\VELKO.INI", "Windows/System/Velko.ini"},
      // A rooted path without a drive is on the current drive, C:.
      {"\\windows\\system\\Velko.ini", "Windows/System/Velko.ini"},
      // Lower-case drive letter and forward slashes.
      {"c:/windows/system/velko.ini", "Windows/System/Velko.ini"},
      // Relative to the current directory, the drive's root.
      {"windows\\system\\velko.ini", "Windows/System/Velko.ini"},
      // ".." stops at the root instead of leaving the folder.
      {"C:\\..\\..\\WINDOWS\\SYSTEM\\Velko.ini", "Windows/System/Velko.ini"},
      {"C:\\WINDOWS\\..\\..\\..\\etc\\passwd", "etc/passwd"},
      {"..\\..\\..", ""},
      // "." and doubled separators are no components.
      {"C:\\WINDOWS\\.\\SYSTEM\\\\Velko.ini", "Windows/System/Velko.ini"},
      // A file about to be created keeps its spelling under existing folders.
      {"C:\\WINDOWS\\SYSTEM\\New.ini", "Windows/System/New.ini"},
      {"C:\\NoFolder\\Sub\\x.txt", "NoFolder/Sub/x.txt"},
      {"C:", ""},
  };
  for (const auto& c : cases) {
    const auto mapped = velko::platform::MapWindowsPath(c.windows);
    ASSERT_TRUE(mapped.has_value()) << c.windows;
    const fs::path expected = *c.host ? root_ / c.host : root_;
    EXPECT_EQ(*mapped, expected) << c.windows;
  }
}

TEST_F(DriveTest, SpellingsOfOneFileReadTheSameBytes) {
  const auto a = velko::platform::MapWindowsPath("\\windows\\system\\Velko.ini");
  const auto b = velko::platform::MapWindowsPath("C:\\WINDOWS\\SYSTEM\\VELKO.INI");
  ASSERT_TRUE(a && b);
  std::string first, second;
  std::getline(std::ifstream(*a), first);
  std::getline(std::ifstream(*b), second);
  EXPECT_EQ(first, "[UserEnt0]");
  EXPECT_EQ(second, first);
}

TEST_F(DriveTest, PathsOffDriveCNameNothing) {
  for (const char* path : {"D:\\x.ini", "\\\\server\\share\\x.ini", "//server/share", ""}) {
    EXPECT_FALSE(velko::platform::MapWindowsPath(path).has_value()) << path;
  }
}

TEST(DriveRootTest, ComesFromTheEnvironment) {
  {
    ScopedEnv drive("VELKO_DRIVE_C", "/srv/drive");
    ScopedEnv xdg("XDG_DATA_HOME", "/data");
    EXPECT_EQ(velko::platform::DriveRoot(), fs::path("/srv/drive"));
  }
  {
    ScopedEnv drive("VELKO_DRIVE_C", nullptr);
    ScopedEnv xdg("XDG_DATA_HOME", "/data");
    EXPECT_EQ(velko::platform::DriveRoot(), fs::path("/data/velko/drive_c"));
  }
  {
    // An empty VELKO_DRIVE_C and a relative XDG_DATA_HOME are not used.
    ScopedEnv drive("VELKO_DRIVE_C", "");
    ScopedEnv xdg("XDG_DATA_HOME", "relative/data");
    ScopedEnv home("HOME", "/home/someone");
    EXPECT_EQ(velko::platform::DriveRoot(), fs::path("/home/someone/.local/share/velko/drive_c"));
  }
}

TEST(SystemDirectoryTest, ReportsTheWindowsSystemDirectory) {
  char buffer[MAX_PATH];
  EXPECT_EQ(GetSystemDirectoryA(buffer, MAX_PATH), 17u);
  EXPECT_STREQ(buffer, "C:\\WINDOWS\\SYSTEM");

  // Exactly room for the text and its NUL.
  char exact[18];
  EXPECT_EQ(GetSystemDirectoryA(exact, sizeof exact), 17u);
  EXPECT_STREQ(exact, "C:\\WINDOWS\\SYSTEM");
}

TEST(SystemDirectoryTest, TooSmallABufferGetsTheSizeNeededAndIsLeftAlone) {
  char small[17];
  std::memset(small, 'x', sizeof small);
  EXPECT_EQ(GetSystemDirectoryA(small, sizeof small), 18u);
  EXPECT_EQ(std::string(small, sizeof small), std::string(17, 'x'));
  EXPECT_EQ(GetSystemDirectoryA(nullptr, 0), 18u);
}

}  // namespace
