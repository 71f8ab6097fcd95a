// Private profile files: reads over a table of files, and writes compared
// byte for byte with the file they must leave.
#include <gtest/gtest.h>

#include <unistd.h>

#include <climits>
#include <cstring>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>

#include "platform/kernel/profile.h"

namespace velko::platform::testing {
namespace {

namespace fs = std::filesystem;

class Profile : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() / ("velko_profile_" + std::to_string(::getpid()));
    fs::create_directories(dir_);
    file_ = dir_ / "Test.ini";
  }
  void TearDown() override { fs::remove_all(dir_); }

  void Put(const std::string& content) { std::ofstream(file_, std::ios::binary) << content; }
  std::string Contents() const {
    std::ifstream in(file_, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  }

  fs::path dir_;
  fs::path file_;
};

struct ReadCase {
  const char* what;
  std::string file;  // "<none>" for no file
  const char* section;
  const char* key;
  const char* fallback;
  DWORD size;
  std::string expected;  // the buffer up to the return value
};

const ReadCase kReads[] = {
    {"plain key", "[S]\r\nK=V\r\n", "S", "K", "d", 64, "V"},
    {"section and key ignore case", "[UserEnt0]\r\nBright=3\r\n", "userent0", "BRIGHT", "d", 64, "3"},
    {"blanks around names and value", "  [ S ]  \r\n  K  =  a b  \r\n", "S", "K", "d", 64, "a b"},
    {"blanks around the asked names", "[S]\r\nK=V\r\n", " S ", " K ", "d", 64, "V"},
    {"double quotes are removed", "[S]\r\nK=\" a \"\r\n", "S", "K", "d", 64, " a "},
    {"single quotes are removed", "[S]\r\nK='x'\r\n", "S", "K", "d", 64, "x"},
    {"unmatched quotes stay", "[S]\r\nK=\"x'\r\n", "S", "K", "d", 64, "\"x'"},
    {"missing key gives the default", "[S]\r\nK=V\r\n", "S", "X", "dflt", 64, "dflt"},
    {"default loses trailing blanks", "[S]\r\n", "S", "X", "dflt  ", 64, "dflt"},
    {"null default is empty", "[S]\r\n", "S", "X", nullptr, 64, ""},
    {"missing section", "[T]\r\nK=V\r\n", "S", "K", "d", 64, "d"},
    {"missing file", "<none>", "S", "K", "d", 64, "d"},
    {"value cut to the buffer", "[S]\r\nK=abcdef\r\n", "S", "K", "d", 4, "abc"},
    {"default cut to the buffer", "", "S", "K", "DummyDef", 6, "Dummy"},
    {"key of another section is not found", "[S]\r\n[T]\r\nK=V\r\n", "S", "K", "d", 64, "d"},
    {"first of two equal keys", "[S]\r\nK=1\r\nk=2\r\n", "S", "K", "d", 64, "1"},
    {"first of two equal sections", "[S]\r\nK=1\r\n[s]\r\nK=2\r\n", "S", "K", "d", 64, "1"},
    {"comment lines are no keys", "[S]\r\n;K=1\r\n", "S", ";K", "d", 64, "d"},
    {"value holds later equal signs", "[S]\r\nK=a=b\r\n", "S", "K", "d", 64, "a=b"},
    {"line without equal sign is an empty key", "[S]\r\nK\r\n", "S", "K", "d", 64, ""},
    {"LF line ends", "[S]\nA=1\nK=2\n", "S", "K", "d", 64, "2"},
    {"CR line ends", "[S]\rA=1\rK=2\r", "S", "K", "d", 64, "2"},
    {"no final newline", "[S]\r\nK=end", "S", "K", "d", 64, "end"},
    {"header without closing bracket", "[S\r\nK=V\r\n", "S", "K", "d", 64, "V"},
    {"NUL ends a value", std::string("[S]\r\nK=ab\0cd\r\n", 14), "S", "K", "d", 64, "ab"},
    {"binary bytes around", "\x01\xFF\xFE junk\r\n[S]\r\n\x7F=\x80\r\nK=V\r\n", "S", "K", "d", 64, "V"},
    {"GB2312 names", "[\xD6\xD0]\r\n\xB4\xF3=\xC2\xCC\r\n", "\xD6\xD0", "\xB4\xF3", "d", 64, "\xC2\xCC"},
};

TEST_F(Profile, ReadCases) {
  for (const ReadCase& c : kReads) {
    SCOPED_TRACE(c.what);
    fs::remove(file_);
    if (c.file != "<none>") Put(c.file);
    char buffer[64];
    std::memset(buffer, 'x', sizeof buffer);
    const DWORD n = profile::GetString(file_, c.section, c.key, c.fallback, buffer, c.size);
    EXPECT_EQ(std::string(buffer, n), c.expected);
    EXPECT_EQ(buffer[n], '\0');
  }
}

TEST_F(Profile, ListsSectionsAndKeys) {
  Put("[A]\r\nx=1\r\ny=2\r\n[Bb]\r\n;c\r\nz=3\r\n");
  char buffer[64];
  DWORD n = profile::GetString(file_, nullptr, nullptr, "d", buffer, sizeof buffer);
  EXPECT_EQ(std::string(buffer, n + 1), std::string("A\0Bb\0\0", 6));
  n = profile::GetString(file_, "a", nullptr, "d", buffer, sizeof buffer);
  EXPECT_EQ(std::string(buffer, n + 1), std::string("x\0y\0\0", 5));
  // A list that does not fit is cut and still ends with two NULs.
  n = profile::GetString(file_, "A", nullptr, "d", buffer, 4);
  EXPECT_EQ(n, 2u);
  EXPECT_EQ(std::string(buffer, 4), std::string("x\0\0\0", 4));
  EXPECT_EQ(profile::GetString(file_, "A", "x", "d", buffer, 0), 0u);
  EXPECT_EQ(profile::GetString(file_, "A", "x", "d", nullptr, 8), 0u);
}

struct IntCase {
  const char* value;  // nullptr: key missing
  UINT expected;
};

const IntCase kInts[] = {
    {"10", 10},
    {"-7", static_cast<UINT>(-7)},  // negative values keep their sign
    {"+5", 5},
    {"12abc", 12},                  // stops at the first non-digit
    {"abc", 0},
    {"", 0},                        // present but empty: 0, not the default
    {"\"42\"", 42},
    {"99999999999999999999", static_cast<UINT>(INT_MAX)},
    {"-99999999999999999999", static_cast<UINT>(INT_MIN)},
    {nullptr, static_cast<UINT>(-3)},  // the default
};

TEST_F(Profile, IntCases) {
  for (const IntCase& c : kInts) {
    SCOPED_TRACE(c.value ? c.value : "missing");
    Put(c.value ? std::string("[S]\r\nK=") + c.value + "\r\n" : "[S]\r\n");
    EXPECT_EQ(profile::GetInt(file_, "S", "K", -3), c.expected);
  }
}

struct WriteCase {
  const char* what;
  std::optional<std::string> before;  // no file when empty
  const char* section;
  const char* key;
  const char* value;
  bool result;
  std::string after;
};

const WriteCase kWrites[] = {
    {"creates the file", std::nullopt, "S", "K", "V", true, "[S]\r\nK=V\r\n"},
    {"replaces in place, keeps the other lines", "[S]\r\nA=1\r\nK=old\r\nB=2\r\n", "S", "K", "new", true,
     "[S]\r\nA=1\r\nK=new\r\nB=2\r\n"},
    {"keeps the key's spelling and what leads to the value", "[S]\r\n  kEy = old  \r\n", "s", "KEY", "new", true,
     "[S]\r\n  kEy = new\r\n"},
    {"keeps the line end of a replaced line", "[S]\nK=1\nB=2\n", "S", "K", "22", true, "[S]\nK=22\nB=2\n"},
    {"new key after the section's last line", "[S]\r\nA=1\r\n\r\n[T]\r\nB=2\r\n", "S", "K", "V", true,
     "[S]\r\nA=1\r\nK=V\r\n\r\n[T]\r\nB=2\r\n"},
    {"new key in an empty section", "[S]\r\n[T]\r\n", "S", "K", "V", true, "[S]\r\nK=V\r\n[T]\r\n"},
    {"new section after a blank line", "[S]\r\nA=1\r\n", "T", "K", "V", true, "[S]\r\nA=1\r\n\r\n[T]\r\nK=V\r\n"},
    {"new section after a trailing blank line", "[S]\r\nA=1\r\n\r\n", "T", "K", "V", true,
     "[S]\r\nA=1\r\n\r\n[T]\r\nK=V\r\n"},
    {"last line without newline", "[S]\r\nA=1", "S", "K", "V", true, "[S]\r\nA=1\r\nK=V\r\n"},
    {"new section after a last line without newline", "[S]\r\nA=1", "T", "K", "V", true,
     "[S]\r\nA=1\r\n\r\n[T]\r\nK=V\r\n"},
    {"replacing a last line without newline", "[S]\r\nK=1", "S", "K", "2", true, "[S]\r\nK=2\r\n"},
    {"empty value", "[S]\r\nK=1\r\n", "S", "K", "", true, "[S]\r\nK=\r\n"},
    {"a key line without equal sign gets one", "[S]\r\nK\r\n", "S", "K", "V", true, "[S]\r\nK=V\r\n"},
    {"a null value deletes the key", "[S]\r\nA=1\r\nK=2\r\nB=3\r\n", "S", "K", nullptr, true, "[S]\r\nA=1\r\nB=3\r\n"},
    {"deleting a missing key changes nothing", "[S]\r\nA=1", "S", "K", nullptr, true, "[S]\r\nA=1"},
    {"a null key deletes the section", "[S]\r\nA=1\r\n\r\n[T]\r\nB=2\r\n", "s", nullptr, nullptr, true, "[T]\r\nB=2\r\n"},
    {"a value is cut at a line break", "[S]\r\n", "S", "K", "a\r\n[X]\r\nY=1", true, "[S]\r\nK=a\r\n"},
    {"a key with an equal sign is refused", "[S]\r\n", "S", "K=1", "V", false, "[S]\r\n"},
    {"a key like a section header is refused", "[S]\r\n", "S", "[K]", "V", false, "[S]\r\n"},
    {"a section with a bracket is refused", "[S]\r\n", "S]x", "K", "V", false, "[S]\r\n"},
    {"no section is refused", "[S]\r\n", nullptr, "K", "V", false, "[S]\r\n"},
    {"binary junk survives", std::string("\x01\x02\0junk\n[S]\r\nK=1\r\n", 18), "S", "K", "2", true,
     std::string("\x01\x02\0junk\n[S]\r\nK=2\r\n", 18)},
};

TEST_F(Profile, WriteCasesByteForByte) {
  for (const WriteCase& c : kWrites) {
    SCOPED_TRACE(c.what);
    fs::remove(file_);
    if (c.before) Put(*c.before);
    EXPECT_EQ(profile::WriteString(file_, c.section, c.key, c.value), c.result);
    EXPECT_EQ(Contents(), c.after);
  }
  // No temporary file is left beside it.
  EXPECT_EQ(std::distance(fs::directory_iterator(dir_), fs::directory_iterator()), 1);
}

TEST_F(Profile, FailedWriteLeavesNothing) {
  EXPECT_FALSE(profile::WriteString(dir_ / "no_such_dir" / "x.ini", "S", "K", "V"));
  EXPECT_FALSE(fs::exists(dir_ / "no_such_dir"));
}

// The user color entry file as the color page writes it, then edited one key
// at a time as saving an entry does.
TEST_F(Profile, UserEntrySectionEditedInPlace) {
  const std::string section =
      "UserEntName=\r\n\r\nBaseColor=0\r\nBright=0\r\nFullness=0\r\nContrast=0\r\nCyanRed=0\r\n"
      "MagentaGreen=0\r\nYellowBlue=0\r\n\r\nGannma=0\r\nBlack=0\r\nCyan=0\r\nMagenta=0\r\nYellow=0\r\n\r\n";
  Put("[UserEnt0]\r\n" + section + "[UserEnt1]\r\n" + section);
  ASSERT_TRUE(profile::WriteString(file_, "UserEnt1", "UserEntName", "Abc"));
  ASSERT_TRUE(profile::WriteString(file_, "UserEnt1", "Bright", "-10"));
  ASSERT_TRUE(profile::WriteString(file_, "UserEnt1", "Yellow", "7"));
  std::string edited = section;
  edited.replace(edited.find("UserEntName="), 12, "UserEntName=Abc");
  edited.replace(edited.find("Bright=0"), 8, "Bright=-10");
  edited.replace(edited.find("Yellow=0"), 8, "Yellow=7");
  EXPECT_EQ(Contents(), "[UserEnt0]\r\n" + section + "[UserEnt1]\r\n" + edited);
  EXPECT_EQ(static_cast<int>(profile::GetInt(file_, "UserEnt1", "Bright", 0)), -10);
  char name[18];
  EXPECT_EQ(profile::GetString(file_, "UserEnt0", "UserEntName", "DummyDef", name, sizeof name), 0u);
  EXPECT_EQ(profile::GetString(file_, "UserEnt9", "UserEntName", "DummyDef", name, sizeof name), 8u);
}

TEST_F(Profile, DamagedFilesReadWithoutHarm) {
  std::string huge(1 << 20, 'x');  // one 1 MB line, no newline
  Put("[S]\r\nK=" + huge);
  char buffer[16];
  EXPECT_EQ(profile::GetString(file_, "S", "K", "d", buffer, sizeof buffer), 15u);
  std::string binary;
  for (int i = 0; i < 4096; ++i) binary.push_back(static_cast<char>((i * 37) & 0xFF));
  Put(binary);
  EXPECT_EQ(profile::GetString(file_, "S", "K", "d", buffer, sizeof buffer), 1u);
  EXPECT_TRUE(profile::WriteString(file_, "S", "K", "V"));
  EXPECT_EQ(Contents().substr(0, binary.size()), binary);  // kept as it was
}

class ProfileOnDriveC : public Profile {
 protected:
  void SetUp() override {
    Profile::SetUp();
    fs::create_directories(dir_ / "WINDOWS" / "SYSTEM");
    if (const char* old = std::getenv("VELKO_DRIVE_C")) saved_ = old;
    setenv("VELKO_DRIVE_C", dir_.c_str(), 1);
  }
  void TearDown() override {
    if (saved_) {
      setenv("VELKO_DRIVE_C", saved_->c_str(), 1);
    } else {
      unsetenv("VELKO_DRIVE_C");
    }
    Profile::TearDown();
  }
  std::optional<std::string> saved_;
};

TEST_F(ProfileOnDriveC, WindowsPathsMapThroughDriveC) {
  EXPECT_TRUE(WritePrivateProfileStringA("UserEnt0", "Bright", "-2", "C:\\WINDOWS\\SYSTEM\\Velko.ini"));
  std::ifstream in(dir_ / "WINDOWS" / "SYSTEM" / "Velko.ini", std::ios::binary);
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()),
            "[UserEnt0]\r\nBright=-2\r\n");
  EXPECT_EQ(static_cast<int>(GetPrivateProfileIntA("userent0", "bright", 0, "c:\\windows\\system\\velko.INI")), -2);
  char buffer[8];
  EXPECT_EQ(GetPrivateProfileStringA("UserEnt0", "Bright", "", buffer, sizeof buffer, "\\Windows\\System\\Velko.ini"), 2u);
  EXPECT_STREQ(buffer, "-2");
  // A bare name lies in the Windows directory.
  EXPECT_TRUE(WritePrivateProfileStringA("S", "K", "V", "bare.ini"));
  EXPECT_TRUE(fs::exists(dir_ / "WINDOWS" / "bare.ini"));
  // Off drive C:, nothing is read or written.
  EXPECT_FALSE(WritePrivateProfileStringA("S", "K", "V", "D:\\x.ini"));
  EXPECT_EQ(GetPrivateProfileStringA("S", "K", "none", buffer, sizeof buffer, "D:\\x.ini"), 4u);
  EXPECT_EQ(GetPrivateProfileIntA("S", "K", 5, nullptr), 5u);
}

}  // namespace
}  // namespace velko::platform::testing
