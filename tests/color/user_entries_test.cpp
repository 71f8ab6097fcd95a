// User color entries: "Velko.ini" compared byte for byte after create, save,
// delete and the delete-then-save of a modify; names at the file's length
// limit; the "DummyDef" sentinel; damaged files loading without a crash.
#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "color/user_entries.h"

namespace velko::color {
namespace {

namespace fs = std::filesystem;

// The twelve stored values of one section, in file order.
struct Values {
  int32_t base = 0, bright = 0, fullness = 0, contrast = 0, cyan_red = 0, magenta_green = 0, yellow_blue = 0;
  int32_t gannma = 0, black = 0, cyan = 0, magenta = 0, yellow = 0;
};

// One section as the new file lays it out, with CR LF line ends.
std::string SectionText(int n, const std::string& name, const Values& v = {}) {
  std::string text = "[UserEnt" + std::to_string(n) + "]\r\nUserEntName=" + name + "\r\n\r\n";
  auto line = [&text](const char* key, int32_t value) { text += std::string(key) + "=" + std::to_string(value) + "\r\n"; };
  line("BaseColor", v.base);
  line("Bright", v.bright);
  line("Fullness", v.fullness);
  line("Contrast", v.contrast);
  line("CyanRed", v.cyan_red);
  line("MagentaGreen", v.magenta_green);
  line("YellowBlue", v.yellow_blue);
  text += "\r\n";
  line("Gannma", v.gannma);
  line("Black", v.black);
  line("Cyan", v.cyan);
  line("Magenta", v.magenta);
  line("Yellow", v.yellow);
  return text + "\r\n";
}

struct Section {
  std::string name;
  Values values;
};

std::string FileText(const std::vector<Section>& sections) {
  std::string text;
  for (int n = 0; n < static_cast<int>(sections.size()); ++n) text += SectionText(n, sections[n].name, sections[n].values);
  return text;
}

// "e3" from "e" and 3; spelled out because GCC's overflow warning misfires
// on a short literal plus std::to_string at -O3.
std::string Named(const char* prefix, int n) {
  std::string name(prefix);
  name.append(std::to_string(n));
  return name;
}

std::vector<Section> EmptySections() { return std::vector<Section>(10); }

UserColorEntry MakeEntry(const char* name, const Values& v, int32_t sample = 0) {
  UserColorEntry entry{};
  std::strncpy(entry.Name, name, sizeof entry.Name - 1);
  entry.Colors = {sample, v.base, v.bright, v.fullness, v.contrast, v.cyan_red, v.magenta_green, v.yellow_blue};
  entry.Density = {v.gannma, v.black, v.cyan, v.magenta, v.yellow};
  return entry;
}

// Drive C: of these tests is a scratch folder of this process, holding the
// system directory where VelkoUI keeps "Velko.ini".
class UserEntries : public ::testing::Test {
 protected:
  void SetUp() override {
    drive_ = fs::temp_directory_path() / ("velko_user_entries_" + std::to_string(::getpid()));
    fs::remove_all(drive_);
    fs::create_directories(drive_ / "WINDOWS" / "SYSTEM");
    ::setenv("VELKO_DRIVE_C", drive_.c_str(), 1);
    ini_ = drive_ / "WINDOWS" / "SYSTEM" / "Velko.ini";
    std::memset(UserEntryTable, 0, sizeof UserEntryTable);
  }
  void TearDown() override { fs::remove_all(drive_); }

  void Put(const std::string& content) { std::ofstream(ini_, std::ios::binary) << content; }
  std::string Contents() const {
    std::ifstream in(ini_, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  }

  fs::path drive_;
  fs::path ini_;
};

constexpr Values kMixed{2, -10, 7, -3, 10, -1, 4, 1, -5, 6, -7, 8};

TEST_F(UserEntries, ANewFileHoldsTenEmptySectionsWithCrLfLineEnds) {
  Put("old text that must go\r\n");
  ASSERT_EQ(CreateUserEntryFile(), 1);
  const std::string text = Contents();
  EXPECT_EQ(text, FileText(EmptySections()));
  // The first section spelled out, blank lines included.
  const std::string first =
      "[UserEnt0]\r\nUserEntName=\r\n\r\nBaseColor=0\r\nBright=0\r\nFullness=0\r\nContrast=0\r\nCyanRed=0\r\n"
      "MagentaGreen=0\r\nYellowBlue=0\r\n\r\nGannma=0\r\nBlack=0\r\nCyan=0\r\nMagenta=0\r\nYellow=0\r\n\r\n[UserEnt1]\r\n";
  EXPECT_EQ(text.substr(0, first.size()), first);
  EXPECT_EQ(text.find("\n\n"), std::string::npos) << "a bare LF line end";
  EXPECT_EQ(text.size(), 10u * SectionText(0, "").size());
}

TEST_F(UserEntries, CreatingFailsWithoutTheSystemDirectory) {
  fs::remove_all(drive_ / "WINDOWS");
  EXPECT_EQ(CreateUserEntryFile(), 0);
  EXPECT_FALSE(fs::exists(ini_));
}

TEST_F(UserEntries, AFileThatCannotBeReplacedStaysAsItWas) {
  // A folder where the file should be: the new text cannot take its place.
  fs::create_directories(ini_ / "inside");
  EXPECT_EQ(CreateUserEntryFile(), 0);
  EXPECT_TRUE(fs::is_directory(ini_));
  EXPECT_EQ(std::distance(fs::directory_iterator(ini_.parent_path()), fs::directory_iterator()), 1)
      << "no temporary file is left behind";
}

TEST_F(UserEntries, SaveWritesTheEntryIntoTheFirstFreeSectionKeepingTheLayout) {
  ASSERT_EQ(CreateUserEntryFile(), 1);
  UserEntryTable[4] = MakeEntry("abc", kMixed, 3);
  ASSERT_EQ(SaveUserEntry("abc"), 1);
  std::vector<Section> expected = EmptySections();
  expected[0] = {"abc", kMixed};  // the section is found by name, not by slot
  EXPECT_EQ(Contents(), FileText(expected));
}

TEST_F(UserEntries, SavingAgainRewritesTheSectionOfTheSameName) {
  ASSERT_EQ(CreateUserEntryFile(), 1);
  UserEntryTable[0] = MakeEntry("one", kMixed);
  UserEntryTable[1] = MakeEntry("two", {});
  ASSERT_EQ(SaveUserEntry("one"), 1);
  ASSERT_EQ(SaveUserEntry("two"), 1);
  UserEntryTable[1].Colors.Bright = -9;
  ASSERT_EQ(SaveUserEntry("two"), 1);
  std::vector<Section> expected = EmptySections();
  expected[0] = {"one", kMixed};
  expected[1] = {"two", Values{.bright = -9}};
  EXPECT_EQ(Contents(), FileText(expected));
}

TEST_F(UserEntries, DeleteEmptiesTheNameAndKeepsTheValuesAndTheNextSaveReusesTheSection) {
  ASSERT_EQ(CreateUserEntryFile(), 1);
  UserEntryTable[0] = MakeEntry("old", kMixed);
  UserEntryTable[1] = MakeEntry("keep", Values{.base = 1});
  ASSERT_EQ(SaveUserEntry("old"), 1);
  ASSERT_EQ(SaveUserEntry("keep"), 1);

  ASSERT_EQ(DeleteUserEntry("old"), 1);
  std::vector<Section> expected = EmptySections();
  expected[0] = {"", kMixed};
  expected[1] = {"keep", Values{.base = 1}};
  EXPECT_EQ(Contents(), FileText(expected));

  UserEntryTable[0] = MakeEntry("new", Values{.base = 4, .yellow = -2});
  ASSERT_EQ(SaveUserEntry("new"), 1);
  expected[0] = {"new", Values{.base = 4, .yellow = -2}};  // all thirteen keys rewritten
  EXPECT_EQ(Contents(), FileText(expected));
}

TEST_F(UserEntries, ModifyMovesAnEntryToAnEarlierFreeSection) {
  std::vector<Section> sections = EmptySections();
  for (int n : {0, 1, 3, 4}) sections[n] = {Named("e", n), Values{.base = n}};
  sections[5] = {"five", Values{.bright = 5}};
  Put(FileText(sections));
  ASSERT_EQ(LoadUserEntries(), 1);
  UserColorEntry* five = FindUserEntry("five");
  ASSERT_EQ(five, &UserEntryTable[5]);
  five->Colors.Bright = -6;

  // What the list-edit dialog's modify does to the file.
  ASSERT_EQ(DeleteUserEntry("five"), 1);
  ASSERT_EQ(SaveUserEntry("five"), 1);
  sections[2] = {"five", Values{.bright = -6}};
  sections[5].name = "";
  EXPECT_EQ(Contents(), FileText(sections));
}

TEST_F(UserEntries, SaveAndDeleteReportWhatTheyCouldNotDo) {
  std::vector<Section> full = EmptySections();
  for (int n = 0; n < 10; ++n) full[n].name = Named("n", n);
  Put(FileText(full));
  const std::string before = Contents();
  UserEntryTable[0] = MakeEntry("extra", kMixed);
  EXPECT_EQ(SaveUserEntry("extra"), 0) << "all ten sections are named";
  EXPECT_EQ(SaveUserEntry("absent"), 0) << "no slot holds the name";
  EXPECT_EQ(DeleteUserEntry("absent"), 0);
  EXPECT_EQ(DeleteUserEntry("N3"), 0) << "names compare with case";
  EXPECT_EQ(Contents(), before);
  EXPECT_STREQ(UserEntryTable[0].Name, "extra") << "the table keeps the entry until the next load";
}

TEST_F(UserEntries, ASectionWithoutTheNameKeyIsNeitherNamedNorFree) {
  std::vector<Section> sections = EmptySections();
  std::string text = FileText(sections);
  text.replace(text.find("UserEntName=\r\n"), 14, "");  // section 0 loses its key
  Put(text);
  UserEntryTable[0] = MakeEntry("abc", kMixed);
  ASSERT_EQ(SaveUserEntry("abc"), 1);
  EXPECT_NE(Contents().find("[UserEnt1]\r\nUserEntName=abc\r\n"), std::string::npos);
}

TEST_F(UserEntries, LoadFillsSlotsFromTheirSectionsAndLeavesSlotsOfEmptySectionsAlone) {
  std::vector<Section> sections = EmptySections();
  sections[1] = {"one", kMixed};
  sections[7] = {"seven", Values{.base = 3}};
  Put(FileText(sections));
  UserEntryTable[0] = MakeEntry("stale", Values{.base = 2});
  UserEntryTable[1].Colors.Sample = 2;

  ASSERT_EQ(LoadUserEntries(), 1);
  EXPECT_STREQ(UserEntryTable[0].Name, "stale");
  EXPECT_EQ(std::memcmp(&UserEntryTable[1], [] {
              static const UserColorEntry e = MakeEntry("one", kMixed, 2);  // Sample untouched
              return &e;
            }(), sizeof(UserColorEntry)), 0);
  EXPECT_STREQ(UserEntryTable[7].Name, "seven");
  EXPECT_EQ(UserEntryTable[7].Colors.BaseColor, 3);
  EXPECT_EQ(UserEntryTable[2].Name[0], '\0');
}

TEST_F(UserEntries, NegativeValuesRoundTripWithTheirSign) {
  ASSERT_EQ(CreateUserEntryFile(), 1);
  UserEntryTable[0] = MakeEntry("neg", kMixed, 1);
  ASSERT_EQ(SaveUserEntry("neg"), 1);
  EXPECT_NE(Contents().find("Bright=-10\r\n"), std::string::npos);
  std::memset(UserEntryTable, 0, sizeof UserEntryTable);
  ASSERT_EQ(LoadUserEntries(), 1);
  const UserColorEntry expected = MakeEntry("neg", kMixed, 0);  // a new process: Sample 0
  EXPECT_EQ(std::memcmp(&UserEntryTable[0], &expected, sizeof expected), 0);
}

struct NameCase {
  const char* what;
  std::string in_file;
  std::string loaded;
};

TEST_F(UserEntries, NamesTypedIntoTheFileLoadUpToSeventeenBytes) {
  const NameCase cases[] = {
      {"17 characters load in full", "ABCDEFGHIJKLMNOPQ", "ABCDEFGHIJKLMNOPQ"},
      {"18 characters are cut to 17", "ABCDEFGHIJKLMNOPQR", "ABCDEFGHIJKLMNOPQ"},
      {"a long name is cut too", std::string(300, 'x'), std::string(17, 'x')},
      // The platform drops blanks around a value and the quotes around it.
      {"quotes and blanks go", "  \"q\"  ", "q"},
      // The sentinel itself is a name like any other, not a missing key.
      {"the sentinel", "DummyDef", "DummyDef"},
  };
  for (const NameCase& c : cases) {
    std::vector<Section> sections = EmptySections();
    sections[2].name = c.in_file;
    Put(FileText(sections));
    std::memset(UserEntryTable, 0, sizeof UserEntryTable);
    EXPECT_EQ(LoadUserEntries(), 1) << c.what;
    EXPECT_EQ(std::string(UserEntryTable[2].Name), c.loaded) << c.what;
    EXPECT_EQ(UserEntryTable[2].Name[19], '\0') << c.what;
  }
}

TEST_F(UserEntries, AnEntryNamedLikeTheSentinelIsSavedDeletedAndNeverRewritesTheFile) {
  ASSERT_EQ(CreateUserEntryFile(), 1);
  UserEntryTable[0] = MakeEntry("DummyDef", kMixed);
  ASSERT_EQ(SaveUserEntry("DummyDef"), 1);
  std::vector<Section> expected = EmptySections();
  expected[0] = {"DummyDef", kMixed};
  EXPECT_EQ(Contents(), FileText(expected));

  // The color page rewrites the file only when loading answers 0.
  EXPECT_EQ(LoadUserEntries(), 1);
  char name[18];
  EXPECT_EQ(ReadProfileText("UserEnt0", "UserEntName", name, sizeof name), 1);
  EXPECT_STREQ(name, "DummyDef");

  UserEntryTable[0].Colors.Bright = 1;
  ASSERT_EQ(SaveUserEntry("DummyDef"), 1);  // found by name: the same section
  expected[0].values.bright = 1;
  EXPECT_EQ(Contents(), FileText(expected));
  ASSERT_EQ(DeleteUserEntry("DummyDef"), 1);
  expected[0].name = "";
  EXPECT_EQ(Contents(), FileText(expected));
}

TEST_F(UserEntries, ReadProfileTextTellsAMissingKeyFromTheSentinelInAnyBuffer) {
  Put("[S]\r\nHeld=DummyDef\r\nEmpty=\r\nShort=Dum\r\n");
  struct Case {
    const char* key;
    DWORD size;
    int expected;
    const char* text;
  };
  const Case cases[] = {
      {"Missing", 18, 0, "DummyDef"},  // the buffer holds the default
      {"Held", 18, 1, "DummyDef"},
      {"Empty", 18, 1, ""},
      {"Held", 4, 1, "Dum"},      // cut to the buffer: still held
      {"Missing", 4, 0, "Dum"},   // the cut default
      {"Short", 4, 1, "Dum"},     // reads like the cut default, but is there
      {"Missing", 2, 0, "D"},
  };
  for (const Case& c : cases) {
    char buffer[32];
    EXPECT_EQ(ReadProfileText("S", c.key, buffer, c.size), c.expected) << c.key << " " << c.size;
    EXPECT_STREQ(buffer, c.text) << c.key << " " << c.size;
  }
}

TEST_F(UserEntries, ReadProfileNumberAnswersWhetherTheValueIsNonzero) {
  Put("[S]\r\nA=-4\r\nB=0\r\nC=12abc\r\nD=abc\r\n");
  struct Case {
    const char* key;
    int32_t value;
    int result;
  };
  const Case cases[] = {{"A", -4, 1}, {"B", 0, 0}, {"C", 12, 1}, {"D", 0, 0}, {"Missing", 0, 0}};
  for (const Case& c : cases) {
    int32_t value = 99;
    EXPECT_EQ(ReadProfileNumber("S", c.key, &value), c.result) << c.key;
    EXPECT_EQ(value, c.value) << c.key;
  }
}

TEST_F(UserEntries, WriteHelpersFormatNumbersInDecimal) {
  ASSERT_TRUE(WriteProfileNumber("S", "N", INT32_MIN));
  ASSERT_TRUE(WriteProfileText("S", "T", "x y"));
  EXPECT_EQ(Contents(), "[S]\r\nN=-2147483648\r\nT=x y\r\n");
  EXPECT_FALSE(WriteProfileText("S", "bad=key", "v")) << "the platform's refusal comes back";
}

TEST_F(UserEntries, AMissingNameKeyStopsTheLoadWithEarlierSectionsLoaded) {
  std::vector<Section> sections = EmptySections();
  sections[0] = {"zero", kMixed};
  sections[4] = {"four", kMixed};
  std::string text = FileText(sections);
  const std::string key3 = "[UserEnt3]\r\nUserEntName=\r\n";
  text.replace(text.find(key3), key3.size(), "[UserEnt3]\r\n");
  Put(text);
  EXPECT_EQ(LoadUserEntries(), 0);
  EXPECT_STREQ(UserEntryTable[0].Name, "zero");
  EXPECT_EQ(UserEntryTable[4].Name[0], '\0') << "sections after the damaged one are not read";
}

TEST_F(UserEntries, NoFileLoadsNothingAndAsksForANewFile) {
  EXPECT_EQ(LoadUserEntries(), 0);
  EXPECT_FALSE(fs::exists(ini_)) << "loading writes nothing";
  for (const UserColorEntry& entry : UserEntryTable) EXPECT_EQ(entry.Name[0], '\0');
}

struct DamagedCase {
  const char* what;
  std::string file;
  int result;
  const char* name9;  // slot 9's name after the load
  int32_t bright9;    // slot 9's Bright, as stored
};

// Nine good sections and a last one as given, so it may end the file.
std::string WithLastSection(const std::string& section9) {
  std::string text;
  for (int n = 0; n < 9; ++n) text += SectionText(n, "");
  return text + section9;
}

TEST_F(UserEntries, DamagedFilesLoadWithoutACrashAndKeepTheValuesAsStored) {
  const std::string binary("\x00\xff\xfe\x1a\x80[\x01]=\x00", 11);
  const DamagedCase cases[] = {
      {"binary bytes between the lines",
       binary + "\r\n" + WithLastSection("[UserEnt9]\r\n" + binary + "\r\nUserEntName=bin\r\nBright=3\r\n" + binary),
       1, "bin", 3},
      {"no final newline", WithLastSection("[UserEnt9]\r\nUserEntName=nl\r\nBright=-2"), 1, "nl", -2},
      {"a line of a megabyte", WithLastSection("[UserEnt9]\r\nUserEntName=long\r\nX=" + std::string(1 << 20, 'y') +
                                            "\r\nBright=4\r\n"),
       1, "long", 4},
      {"values far out of range are kept, saturated to 32 bits",
       WithLastSection("[UserEnt9]\r\nUserEntName=big\r\nBright=99999999999999999999\r\n"), 1, "big", INT32_MAX},
      {"a value past its slider range is kept as it is", WithLastSection("[UserEnt9]\r\nUserEntName=wide\r\nBright=-250\r\n"),
       1, "wide", -250},
      {"LF line ends only", WithLastSection("[UserEnt9]\nUserEntName=lf\nBright=1\n"), 1, "lf", 1},
      {"missing sections", "[UserEnt0]\r\nUserEntName=\r\n[UserEnt1]\r\nUserEntName=\r\n", 0, "", 0},
      {"only garbage", binary, 0, "", 0},
      {"an empty file", "", 0, "", 0},
  };
  for (const DamagedCase& c : cases) {
    Put(c.file);
    std::memset(UserEntryTable, 0, sizeof UserEntryTable);
    EXPECT_EQ(LoadUserEntries(), c.result) << c.what;
    EXPECT_STREQ(UserEntryTable[9].Name, c.name9) << c.what;
    EXPECT_EQ(UserEntryTable[9].Colors.Bright, c.bright9) << c.what;
  }
}

TEST_F(UserEntries, ADamagedFileIsReplacedWholeByANewOne) {
  Put(std::string("\x00\xff garbage without a line end", 29));
  ASSERT_EQ(LoadUserEntries(), 0);
  ASSERT_EQ(CreateUserEntryFile(), 1);
  EXPECT_EQ(Contents(), FileText(EmptySections()));
  EXPECT_EQ(LoadUserEntries(), 1);
}

}  // namespace
}  // namespace velko::color
