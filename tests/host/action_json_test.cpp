// Actions in their JSON form (the browser's): each action and its
// arguments, and the message for each malformed request, which must leave
// no action behind.
#include <gtest/gtest.h>

#include <string>

#include "host/script/action_json.h"
#include "platform/user/messages.h"

namespace velko::script {
namespace {

using nlohmann::json;
using platform::ActionKind;
using platform::ScrollGesture;

TEST(ActionJson, EachActionCarriesItsArguments) {
  const struct {
    const char* body;
    ActionKind kind;
    int id, value;
    std::string text;  // GB2312
    const char* catches;
  } cases[] = {
      {R"({"action":"click","id":1016})", ActionKind::Click, 1016, 0, "", "a control id"},
      {R"({"action":"select","id":1010,"index":12})", ActionKind::Select, 1010, 12, "", "an item by index"},
      {R"({"action":"select","id":1013,"text":"普通纸"})", ActionKind::Select, 1013, 0, "\xC6\xD5\xCD\xA8\xD6\xBD",
       "an item by text, turned into GB2312"},
      {R"({"action":"type","id":1064,"text":"250"})", ActionKind::Type, 1064, 0, "250", ""},
      {R"({"action":"trackbar","id":1044,"pos":-3})", ActionKind::Trackbar, 1044, -3, "", "negative positions"},
      {R"({"action":"page","index":2})", ActionKind::Page, 0, 2, "", "a tab"},
      {R"({"action":"answer","button":"cancel"})", ActionKind::Answer, 0, IDCANCEL, "", "a message box's Escape"},
      {R"({"action":"browse","path":"C:\\WM\\a.bmp"})", ActionKind::Browse, 0, 0, "C:\\WM\\a.bmp", "a path"},
      {R"({"action":"ok","id":"ignored"})", ActionKind::Ok, 0, 0, "", "members an action does not read"},
  };
  for (const auto& c : cases) {
    const JsonActions r = ActionsFromJson(json::parse(c.body));
    ASSERT_TRUE(r.error.empty()) << c.body << ": " << r.error;
    ASSERT_EQ(r.actions.size(), 1u) << c.body;
    EXPECT_EQ(r.actions[0].kind, c.kind) << c.body << " (" << c.catches << ")";
    EXPECT_EQ(r.actions[0].id, c.id) << c.body;
    EXPECT_EQ(r.actions[0].value, c.value) << c.body;
    EXPECT_EQ(r.actions[0].text, c.text) << c.body;
  }
}

TEST(ActionJson, ListsKeepTheirOrderAndScrollsTheirGesture) {
  const JsonActions r = ActionsFromJson(json::parse(R"({"actions":[
      {"action":"clear","id":1014},
      {"action":"scroll","id":1030,"gesture":"thumbposition","pos":7},
      {"action":"scroll","id":1030,"gesture":"linedown","pos":99}]})"));
  ASSERT_TRUE(r.error.empty()) << r.error;
  ASSERT_EQ(r.actions.size(), 3u);
  EXPECT_EQ(r.actions[0].kind, ActionKind::Clear);
  EXPECT_EQ(r.actions[1].gesture, ScrollGesture::ThumbPosition);
  EXPECT_EQ(r.actions[1].value, 7);
  EXPECT_EQ(r.actions[2].gesture, ScrollGesture::LineDown);
  EXPECT_EQ(r.actions[2].value, 0) << "a click gesture has no position";
  EXPECT_EQ(r.actions[2].line, 3) << "each action knows its place in the list";
}

TEST(ActionJson, MalformedRequestsSayWhatIsWrongAndGiveNoAction) {
  const struct {
    std::string body;
    const char* message_part;
  } cases[] = {
      {R"([1,2])", "expected an object"},                                     // not an object
      {R"({"id":3})", "`action` must name the action"},                        // no action
      {R"({"action":"drag","id":3})", "unknown action \"drag\""},              // not a word of the language
      {R"({"action":"click"})", "`id` must be a control id"},                   // id missing
      {R"({"action":"click","id":70000})", "`id` must be a control id"},        // out of range
      {R"({"action":"click","id":"1016"})", "`id` must be a control id"},       // a text for a number
      {R"({"action":"select","id":1,"index":-1})", "`index` must be an item index"},
      {R"({"action":"type","id":1,"text":"😀"})", "GB2312 cannot hold"},        // no GB2312 code
      {R"({"action":"scroll","id":1,"gesture":"sideways"})", "`gesture` must be"},
      {R"({"action":"scroll","id":1,"gesture":"thumbtrack"})", "`pos` must be"},  // position missing
      {R"({"action":"answer","button":"yes"})", "`button` must be ok or cancel"},
      {R"({"action":"browse","path":""})", "`path` must not be empty"},
      {R"({"actions":[]})", "a list of one or more actions"},
      {R"({"actions":[{"action":"ok"},{"action":"click"}]})", "action 2 (click)"},  // the second is bad
  };
  for (const auto& c : cases) {
    const JsonActions r = ActionsFromJson(json::parse(c.body));
    EXPECT_TRUE(r.actions.empty()) << c.body;
    EXPECT_NE(r.error.find(c.message_part), std::string::npos) << c.body << ": " << r.error;
  }
  json many = {{"actions", json::array()}};
  for (std::size_t i = 0; i <= kMaxActionsPerRequest; ++i) many["actions"].push_back({{"action", "ok"}});
  const JsonActions r = ActionsFromJson(many);
  EXPECT_TRUE(r.actions.empty());
  EXPECT_NE(r.error.find("at most"), std::string::npos) << r.error;
}

}  // namespace
}  // namespace velko::script
