// velko_rc on faulty descriptions: each fault stops the build with status 1
// and a message that says where the fault is; bad usage is status 2.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace {

namespace fs = std::filesystem;

struct RunResult {
  int status;
  std::string output;
};

class ResourceCompiler : public ::testing::Test {
 protected:
  void SetUp() override {
    // Every program of the build lands in one folder, this test's included.
    rc_ = fs::read_symlink("/proc/self/exe").parent_path() / "velko_rc";
    if (!fs::exists(rc_)) GTEST_SKIP() << rc_ << " is not built";
    dir_ = fs::temp_directory_path() / ("velko_rc_test_" + std::to_string(::getpid()));
    fs::create_directories(dir_);
  }
  void TearDown() override {
    if (!dir_.empty()) fs::remove_all(dir_);
  }

  RunResult Compile(const std::string& json) {
    std::ofstream(dir_ / "in.res.json") << json;
    return Exec("--input " + (dir_ / "in.res.json").string() + " --output " + Out().string() +
                " --header x.h --function F");
  }
  RunResult Exec(const std::string& args) {
    const std::string cmd = rc_.string() + " " + args + " 2>&1";
    FILE* pipe = popen(cmd.c_str(), "r");
    std::string out;
    char buf[512];
    while (std::fgets(buf, sizeof buf, pipe)) out += buf;
    const int status = pclose(pipe);
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, out};
  }
  fs::path Out() const { return dir_ / "out.cpp"; }

  fs::path rc_, dir_;
};

// A one-dialog description with `control` as its only control.
std::string WithControl(const std::string& control) {
  return R"({"module": "T", "dialogs": [{"id": 100, "caption": "普通", "font": ["宋体", 8], "size": [100, 50],
             "controls": [)" + control + "]}]}";
}

struct FaultCase {
  const char* name;
  std::string json;
  const char* message;  // part of the message
};

TEST_F(ResourceCompiler, FaultsStopWithWhereAndWhat) {
  const FaultCase cases[] = {
      // not JSON at all: the parser's line and column
      {"malformed", "{\"module\": \"T\",\n \"dialogs\": [", "line 2"},
      // a text with no GB2312 form, named with its path
      {"text", WithControl(R"({"id": 5, "class": "STATIC", "text": "5 €", "rect": [0, 0, 10, 8]})"),
       "dialogs[0] (100).controls[0] (5).text: text \"5 €\" has no GB2312 form"},
      {"class", WithControl(R"({"id": 5, "class": "BUTON", "rect": [0, 0, 10, 8]})"), "unknown control class \"BUTON\""},
      {"style of another class", WithControl(R"({"id": 5, "class": "STATIC", "style": ["BS_ICON"], "rect": [0, 0, 10, 8]})"),
       "style \"BS_ICON\" does not belong to STATIC"},
      {"unknown style", WithControl(R"({"id": 5, "class": "STATIC", "style": ["SS_SHINY"], "rect": [0, 0, 10, 8]})"),
       "unknown style \"SS_SHINY\""},
      {"duplicate id", WithControl(R"({"id": 5, "class": "STATIC", "rect": [0, 0, 10, 8]},
                                      {"id": 5, "class": "EDIT", "rect": [0, 10, 10, 8]})"),
       "control id 5 appears twice"},
      {"outside", WithControl(R"({"id": 5, "class": "EDIT", "rect": [95, 0, 10, 8]})"), "reaches outside"},
      {"icon on a text static", WithControl(R"({"id": 5, "class": "STATIC", "icon": 7, "rect": [0, 0, 10, 8]})"),
       "only an SS_ICON static"},
      {"icon not in the module", WithControl(R"({"id": 5, "class": "STATIC", "style": ["SS_ICON"], "icon": 7, "rect": [0, 0, 10, 8]})"),
       "icon 7 is not among the module's icons"},
      {"string", R"({"module": "T", "strings": [{"id": 1, "text": "ok"}, {"id": 1, "text": "again"}]})",
       "strings: id 1 appears twice"},
      {"generator", R"({"module": "T", "bitmaps": [{"id": 9, "draw": "sunset"}]})",
       "bitmaps[0] (9): unknown generator \"sunset\""},
      {"icon generator for a bitmap", R"({"module": "T", "bitmaps": [{"id": 9, "draw": "feed", "orientation": "portrait"}]})",
       "makes icons"},
      {"text outside the font", R"({"module": "T", "bitmaps": [{"id": 9, "draw": "watermark", "text": "draft", "scale": 2, "outline": 0}]})",
       "outside the built-in font"},
      {"bad colour", R"({"module": "T", "bitmaps": [{"id": 9, "draw": "wordmark", "size": [40, 12], "ink": "blue"}]})",
       "colour must be"},
      {"16 colours", R"({"module": "T", "bitmaps": [{"id": 9, "draw": "density_bars", "size": [100, 16], "ink": "#123456", "bars": 4}]})",
       "outside the standard palette"},
      {"missing member", R"({"module": "T", "dialogs": [{"id": 3, "caption": "x", "font": ["宋体", 8], "controls": []}]})",
       "dialogs[0] (3): missing \"size\""},
  };
  for (const FaultCase& c : cases) {
    const RunResult r = Compile(c.json);
    EXPECT_EQ(r.status, 1) << c.name << ": " << r.output;
    EXPECT_NE(r.output.find(c.message), std::string::npos) << c.name << ": " << r.output;
    EXPECT_NE(r.output.find("in.res.json"), std::string::npos) << c.name << ": names the file";
    EXPECT_FALSE(fs::exists(Out())) << c.name << ": no output from a faulty description";
  }
}

TEST_F(ResourceCompiler, GoodDescriptionGivesGb2312Literals) {
  const RunResult r = Compile(WithControl(R"({"id": 5, "class": "STATIC", "text": "普通", "rect": [0, 0, 10, 8]})"));
  ASSERT_EQ(r.status, 0) << r.output;
  std::stringstream text;
  text << std::ifstream(Out()).rdbuf();
  EXPECT_NE(text.str().find(R"("\306\325\315\250")"), std::string::npos);  // 普通 in octal escapes
  EXPECT_NE(text.str().find("const ResModule& F()"), std::string::npos);
}

// The build's output may not depend on the run: the same description gives
// the same bytes (catches uninitialised pixels or padding in the BMP files).
TEST_F(ResourceCompiler, SameDescriptionSameSource) {
  const char* src = std::getenv("VELKO_SOURCE_DIR");
  if (!src) GTEST_SKIP() << "VELKO_SOURCE_DIR is not set";
  const std::string input = (fs::path(src) / "ui/resources/velko_ui.res.json").string();
  std::string outputs[2];
  for (std::string& out : outputs) {
    const RunResult r = Exec("--input " + input + " --output " + Out().string() + " --header x.h --function F");
    ASSERT_EQ(r.status, 0) << r.output;
    std::stringstream text;
    text << std::ifstream(Out()).rdbuf();
    out = text.str();
    fs::remove(Out());
  }
  EXPECT_EQ(outputs[0], outputs[1]);
}

TEST_F(ResourceCompiler, BadUsageIsStatus2) {
  EXPECT_EQ(Exec("--output x.cpp").status, 2);
  EXPECT_EQ(Exec("--bogus").status, 2);
}

TEST_F(ResourceCompiler, UnreadableInputIsStatus1) {
  const RunResult r = Exec("--input " + (dir_ / "absent.res.json").string() + " --output " + Out().string() +
                     " --header x.h --function F");
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.output.find("absent.res.json: cannot read"), std::string::npos) << r.output;
}

}  // namespace
