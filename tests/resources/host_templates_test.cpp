// The host's page templates (host/resources/velko_host.res.json): every
// control that the page procedures address is there, of the class they talk
// to, and the radio buttons form the groups the pages expect. The build
// compiles the same description into the host, so what is checked here is
// what the sheet creates.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

namespace {

using nlohmann::json;

constexpr const char* B = "BUTTON";
constexpr const char* S = "STATIC";
constexpr const char* E = "EDIT";
constexpr const char* C = "COMBOBOX";
constexpr const char* TB = "msctls_trackbar32";

class ResourceHostTemplates : public ::testing::Test {
 protected:
  void SetUp() override {
    const char* src = std::getenv("VELKO_SOURCE_DIR");
    if (!src) GTEST_SKIP() << "VELKO_SOURCE_DIR is not set (run through ctest)";
    std::ifstream in(std::filesystem::path(src) / "host/resources/velko_host.res.json");
    ASSERT_TRUE(in) << "the host's resource description";
    doc_ = json::parse(in);
  }

  const json* Dialog(int id) const {
    for (const json& d : doc_["dialogs"])
      if (d["id"] == id) return &d;
    return nullptr;
  }
  static const json* Control(const json& dialog, int id) {
    for (const json& c : dialog["controls"])
      if (c["id"] == id) return &c;
    return nullptr;
  }
  static bool HasStyle(const json& c, const char* name) {
    if (!c.contains("style")) return false;
    for (const json& s : c["style"])
      if (s == name) return true;
    return false;
  }

  json doc_;
};

std::vector<std::pair<int, const char*>> MainPage() {
  std::vector<std::pair<int, const char*>> v = {
      {1010, C}, {1011, C}, {1012, C}, {1013, C}, {1014, E}, {1016, B}, {1017, B}, {1018, B}, {1019, C},
      {1020, B}, {1021, B}, {1022, B}, {1024, S}, {1025, S}, {1026, S}, {1064, E},
  };
  for (int id = 1201; id <= 1224; ++id) v.push_back({id, S});  // the settings summary
  return v;
}

const std::map<int, std::vector<std::pair<int, const char*>>> kRequired = {
    {1001, MainPage()},
    {1002, {{1024, S}, {1041, B}, {1042, B}, {1043, B}, {1044, TB}, {1045, B}, {1046, S}, {1047, S}, {1048, S},
            {1049, B}, {1050, B}, {1051, B}, {1052, B}, {1053, B}, {1054, B}, {1055, B}, {1056, B}, {1057, C},
            {1058, S}, {1059, S}, {1060, S}, {1061, S}, {1062, S}, {1101, B}, {1104, B}}},
    {1003, {{1024, S}, {1067, B}, {1068, E}, {1069, B}, {1070, B}, {1071, B}, {1072, B}, {1073, B}, {1074, B},
            {1075, B}, {1076, B}, {1077, C}, {1078, S}, {1079, B}, {1080, B}, {1081, B}, {1082, B}, {1102, B},
            {1226, B}}},
    {1004, {{1024, S}, {1086, B}}},
};

TEST_F(ResourceHostTemplates, EveryAddressedControlExistsWithItsClass) {
  for (const auto& [page, controls] : kRequired) {
    const json* d = Dialog(page);
    ASSERT_NE(d, nullptr) << "page template " << page;
    for (const auto& [id, cls] : controls) {
      const json* c = Control(*d, id);
      ASSERT_NE(c, nullptr) << "page " << page << " lacks control " << id;
      EXPECT_EQ((*c)["class"], cls) << "page " << page << " control " << id;
    }
  }
}

// The main page creates up-down 1015 itself; a template copy would give the
// page two windows of one id.
TEST_F(ResourceHostTemplates, MainPageLeavesTheUpDownToThePage) { EXPECT_EQ(Control(*Dialog(1001), 1015), nullptr); }

struct KindCase {
  int page, control;
  const char* style;
};

const KindCase kKinds[] = {
    {1001, 1016, "BS_AUTOCHECKBOX"}, {1001, 1020, "BS_AUTOCHECKBOX"}, {1001, 1025, "SS_ICON"},
    {1002, 1049, "BS_AUTOCHECKBOX"}, {1002, 1050, "BS_AUTOCHECKBOX"}, {1003, 1079, "BS_AUTOCHECKBOX"},
    {1003, 1067, "BS_AUTOCHECKBOX"}, {1003, 1069, "BS_AUTOCHECKBOX"}, {1003, 1070, "BS_AUTOCHECKBOX"},
    {1003, 1072, "BS_AUTOCHECKBOX"}, {1003, 1226, "BS_AUTOCHECKBOX"}, {1003, 1102, "BS_AUTOCHECKBOX"},
    {1003, 1073, "BS_AUTOCHECKBOX"}, {1003, 1080, "BS_AUTOCHECKBOX"}, {1003, 1081, "BS_AUTOCHECKBOX"},
    {1003, 1071, "BS_AUTOCHECKBOX"}, {1002, 1058, "SS_ICON"},         {1002, 1062, "SS_ICON"},
    {1001, 1010, "CBS_DROPDOWNLIST"}, {1002, 1057, "CBS_DROPDOWNLIST"}, {1003, 1077, "CBS_DROPDOWNLIST"},
};

TEST_F(ResourceHostTemplates, ControlKinds) {
  for (const KindCase& k : kKinds) {
    const json* c = Control(*Dialog(k.page), k.control);
    ASSERT_NE(c, nullptr);
    EXPECT_TRUE(HasStyle(*c, k.style)) << k.page << "/" << k.control << " is " << k.style;
  }
}

struct RadioGroup {
  int page;
  std::vector<int> members;
};

const RadioGroup kGroups[] = {
    {1001, {1017, 1018}},
    {1002, {1052, 1053, 1054, 1055, 1056, 1104, 1101}},
    {1002, {1042, 1043}},
    {1003, {1074, 1075, 1076}},
};

// A click on an auto radio unchecks the others of its group (from a WS_GROUP
// control to the next): each group must hold exactly its radios.
TEST_F(ResourceHostTemplates, RadioGroupsHoldExactlyTheirButtons) {
  for (const RadioGroup& g : kGroups) {
    const json& controls = (*Dialog(g.page))["controls"];
    std::size_t i = 0;
    while (i < controls.size() && controls[i]["id"] != g.members[0]) ++i;
    ASSERT_LT(i, controls.size());
    EXPECT_TRUE(HasStyle(controls[i], "WS_GROUP")) << g.members[0];
    std::vector<int> radios;
    do {
      if (HasStyle(controls[i], "BS_AUTORADIOBUTTON")) radios.push_back(controls[i]["id"].get<int>());
      ++i;
    } while (i < controls.size() && !HasStyle(controls[i], "WS_GROUP"));
    EXPECT_EQ(radios, g.members) << "page " << g.page;
  }
}

}  // namespace
