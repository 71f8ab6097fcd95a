// The script language: what each well-formed line turns into, and the
// report of every malformed line with its number.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "host/script/parser.h"
#include "platform/user/messages.h"

namespace velko::script {
namespace {

using platform::ActionKind;
using platform::ScrollGesture;
using platform::UserAction;

Statement ParseOne(const std::string& line) {
  const ParseResult r = ParseScript(line, "t.vsh");
  EXPECT_TRUE(r.errors.empty()) << line << ": " << (r.errors.empty() ? "" : r.errors[0].message);
  EXPECT_EQ(r.script.statements.size(), 1u) << line;
  return r.script.statements.empty() ? Statement{} : r.script.statements[0];
}

struct ActionCase {
  std::string line;
  ActionKind kind;
  int id;
  int value;
  std::string text;  // GB2312
  const char* catches;
};

TEST(ScriptParser, ActionsCarryTheirArguments) {
  const ActionCase cases[] = {
      {"page color", ActionKind::Page, 0, 1, "", "page names map to tab indexes"},
      {"page version", ActionKind::Page, 0, 3, "", "the last tab"},
      {"page 1", ActionKind::Page, 0, 1, "", "a modal sheet's tab by index"},
      {"click 1016", ActionKind::Click, 1016, 0, "", "control ids"},
      {"select 1010 12", ActionKind::Select, 1010, 12, "", "an item by index"},
      {"select 1013 \"普通纸\"", ActionKind::Select, 1013, 0, "\xC6\xD5\xCD\xA8\xD6\xBD", "an item by text, GB2312"},
      {"type 1064 \"a\\\"b\\\\c\"", ActionKind::Type, 1064, 0, "a\"b\\c", "both escapes"},
      {"type 1064 \"\"", ActionKind::Type, 1064, 0, "", "an empty text"},
      {"type 1064 \"# not a comment\"", ActionKind::Type, 1064, 0, "# not a comment", "# inside a text"},
      {"clear 1014", ActionKind::Clear, 1014, 0, "", ""},
      {"leave 1014", ActionKind::Leave, 1014, 0, "", ""},
      {"trackbar 1044 -3", ActionKind::Trackbar, 1044, -3, "", "negative positions reach the control"},
      {"help 1010", ActionKind::Help, 1010, 0, "", ""},
      {"ok", ActionKind::Ok, 0, 0, "", ""},
      {"cancel", ActionKind::Cancel, 0, 0, "", ""},
      {"answer ok", ActionKind::Answer, 0, IDOK, "", "the message box's OK"},
      {"answer cancel", ActionKind::Answer, 0, IDCANCEL, "", "its Cancel"},
      {"browse \"C:\\\\WM\\\\logo.bmp\"", ActionKind::Browse, 0, 0, "C:\\WM\\logo.bmp", "paths with backslashes"},
      {"  click   1017   # radio", ActionKind::Click, 1017, 0, "", "blanks and a trailing comment"},
      {"click\t1018", ActionKind::Click, 1018, 0, "", "tabs separate words"},
  };
  for (const ActionCase& c : cases) {
    const Statement s = ParseOne(c.line);
    ASSERT_TRUE(s.IsAction()) << c.line;
    const auto& a = std::get<UserAction>(s.what);
    EXPECT_EQ(a.kind, c.kind) << c.line << " (" << c.catches << ")";
    EXPECT_EQ(a.id, c.id) << c.line;
    EXPECT_EQ(a.value, c.value) << c.line;
    EXPECT_EQ(a.text, c.text) << c.line;
    EXPECT_EQ(a.line, 1) << c.line;
  }
}

TEST(ScriptParser, ScrollGesturesAndTheirPositions) {
  const struct {
    std::string line;
    ScrollGesture gesture;
    int pos;
  } cases[] = {
      {"scroll 1030 lineup", ScrollGesture::LineUp, 0},
      {"scroll 1030 pagedown", ScrollGesture::PageDown, 0},
      {"scroll 1030 thumbposition 7", ScrollGesture::ThumbPosition, 7},
      {"scroll 1030 thumbtrack -2", ScrollGesture::ThumbTrack, -2},
      {"scroll 1030 endscroll", ScrollGesture::EndScroll, 0},
  };
  for (const auto& c : cases) {
    const auto a = std::get<UserAction>(ParseOne(c.line).what);
    EXPECT_EQ(a.kind, ActionKind::Scroll) << c.line;
    EXPECT_EQ(a.gesture, c.gesture) << c.line;
    EXPECT_EQ(a.value, c.pos) << c.line;
  }
}

TEST(ScriptParser, ChecksCarryTheirExpectations) {
  {
    const Check c = std::get<Check>(ParseOne("expect text 1026 \"61%\"").what);
    EXPECT_EQ(c.kind, CheckKind::Text);
    EXPECT_EQ(c.id, 1026);
    EXPECT_EQ(c.text, "61%");
  }
  {
    const Check c = std::get<Check>(ParseOne("expect selected 1011 -1").what);
    EXPECT_EQ(c.kind, CheckKind::Selected);
    EXPECT_EQ(c.number, -1);  // no selection
  }
  {
    const Check c = std::get<Check>(ParseOne("expect item 1019 0 \"单页\"").what);
    EXPECT_EQ(c.kind, CheckKind::Item);
    EXPECT_EQ(c.text, "\xB5\xA5\xD2\xB3");
  }
  {
    const Check c = std::get<Check>(ParseOne("expect field CustomWidth 8.5").what);
    EXPECT_EQ(c.field.Name(), "CustomWidth");
    EXPECT_EQ(std::get<double>(c.value), 8.5);
  }
  {
    const Check c = std::get<Check>(ParseOne("expect field WatermarkList[9].File \"C:\\\\a.bmp\"").what);
    EXPECT_EQ(c.field.Name(), "WatermarkList[9].File");
    EXPECT_EQ(c.field.Offset(), 576u + 9 * 280 + 20);
    EXPECT_EQ(std::get<std::string>(c.value), "C:\\a.bmp");
  }
  {
    const Check c = std::get<Check>(ParseOne("expect field Bright -10").what);
    EXPECT_EQ(std::get<int32_t>(c.value), -10);
  }
  {
    const Check c = std::get<Check>(ParseOne("expect dialog none").what);
    EXPECT_TRUE(c.none);
    EXPECT_FALSE(std::get<Check>(ParseOne("expect dialog 2409").what).none);
  }
  {
    const Check c = std::get<Check>(ParseOne("expect help 1010 4294967295").what);
    EXPECT_EQ(c.number, 4294967295);  // context ids are 32-bit unsigned
  }
  {
    const Check c = std::get<Check>(ParseOne("expect ini UserEnt0 \"User Ent\" \"x\"").what);
    EXPECT_EQ(c.section, "UserEnt0");  // bare or quoted names
    EXPECT_EQ(c.key, "User Ent");
    EXPECT_EQ(c.text, "x");
  }
  EXPECT_EQ(std::get<Check>(ParseOne("dump record").what).kind, CheckKind::DumpRecord);
  EXPECT_EQ(std::get<Check>(ParseOne("dump 1010").what).kind, CheckKind::DumpControl);
  EXPECT_EQ(std::get<Check>(ParseOne("expect checked 1016 1").what).number, 1);
}

struct BadLine {
  std::string line;
  std::string message_part;
  const char* catches;
};

TEST(ScriptParser, MalformedLinesSayWhatWasExpected) {
  const BadLine cases[] = {
      {"click", "expected a control id (0 to 65535), found the end of the line", "a missing argument"},
      {"click abc", "found abc", "a word for a number"},
      {"click 65536", "expected a control id", "ids beyond 16 bits"},
      {"click 1.5", "expected a control id", "a fraction for an id"},
      {"click 1016 2", "unexpected 2 at the end of the line", "extra words"},
      {"click \"1016\"", "found \"1016\"", "a text for a number"},
      {"frobnicate 1", "unknown statement frobnicate", "unknown statements"},
      {"Click 1016", "unknown statement Click", "keywords are lower case"},
      {"\"click\" 1016", "unknown statement \"click\"", "a text for a keyword"},
      {"page purple", "expected main, color, options, version or a tab index, found purple", "unknown page names"},
      {"select 1010", "expected an item index", "select without an item"},
      {"select 1010 -1", "expected an item index", "negative indexes"},
      {"type 1064 abc", "expected the text to type, in double quotes", "unquoted texts"},
      {"type 1064 \"abc", "missing its closing \"", "unterminated texts"},
      {"type 1064 \"a\\nb\"", "unknown escape \\n", "escapes other than \\\" and \\\\"},
      {"type 1064 \"a\"b", "must be followed by a blank", "a text glued to a word"},
      {"type 1064 a\"b\"", "set off by a blank", "a word glued to a text"},
      {"type 1064 \"\xE2\x82\xAC\"", "GB2312 cannot hold", "characters outside GB2312 (the euro sign)"},
      {"type 1064 \"\xC3\"", "not UTF-8", "broken UTF-8"},
      {"type 1064 \"a\x01\"", "control character byte 0x01", "control characters in texts"},
      {"click \xE7\xBA\xB8", "outside a text", "non-ASCII outside a text"},
      {"scroll 1044 sideways", "expected lineup, linedown", "unknown gestures"},
      {"scroll 1044 thumbposition", "expected the thumb position", "a thumb gesture without its position"},
      {"scroll 1044 lineup 3", "unexpected 3", "a position where none belongs"},
      {"trackbar 1044 99999999999", "expected the thumb position", "positions beyond 32 bits"},
      {"answer yes", "expected ok or cancel, found yes", "answers other than ok and cancel"},
      {"browse", "expected the chosen path", "browse without a path"},
      {"expect", "expected what to expect", "expect alone"},
      {"expect colour 1010 1", "expected what to expect", "unknown checks"},
      {"expect checked 1016 2", "expected 0 or 1", "states other than 0 and 1"},
      {"expect selected 1010 -2", "expected an item index, or -1", "below -1"},
      {"expect count 1010 -1", "expected an item count", "negative counts"},
      {"expect item 1010 0", "expected the item's expected text", "item without its text"},
      {"expect icon 1025 70000", "expected an icon resource id", "icon ids beyond 16 bits"},
      {"expect field Nope 1", "the settings record has no field Nope", "unknown field names"},
      {"expect field ColorAdjustBlock 1", "no field ColorAdjustBlock", "blocks are not fields"},
      {"expect field WatermarkList[10].Name \"x\"", "no field WatermarkList[10].Name", "list entries beyond 9"},
      {"expect field WatermarkList[01].Name \"x\"", "no field WatermarkList[01].Name", "leading zeros"},
      {"expect field Copies \"1\"", "the value of Copies, a 32-bit integer", "a text for a number field"},
      {"expect field Copies 1.5", "the value of Copies, a 32-bit integer", "a fraction for an integer field"},
      {"expect field Copies 4294967296", "the value of Copies, a 32-bit integer", "integers beyond 32 bits"},
      {"expect field CustomWidth abc", "the value of CustomWidth, a number", "words for real fields"},
      {"expect field CustomWidth inf", "the value of CustomWidth, a number", "infinite values"},
      {"expect field MainText abc", "a text in double quotes", "unquoted texts for text fields"},
      {"expect field MainText \"abcdefghijkl\"", "MainText holds at most 11 bytes", "texts longer than the field"},
      {"expect dialog never", "expected a template id (0 to 65535) or none", "unknown dialog words"},
      {"expect message", "expected the message box's expected text", "message without a text"},
      {"expect help 1010", "expected a help context id", "help without a context"},
      {"expect ini UserEnt0 Key", "expected the expected value", "ini without its value"},
      {"dump", "expected record or a control id", "dump alone"},
      {"dump everything", "expected record or a control id", "unknown dump words"},
  };
  for (const BadLine& c : cases) {
    const ParseResult r = ParseScript(c.line, "t.vsh");
    ASSERT_EQ(r.errors.size(), 1u) << c.line << " (" << c.catches << ")";
    EXPECT_EQ(r.errors[0].line, 1) << c.line;
    EXPECT_NE(r.errors[0].message.find(c.message_part), std::string::npos)
        << c.line << " (" << c.catches << "): " << r.errors[0].message;
    EXPECT_TRUE(r.script.statements.empty()) << c.line;
  }
}

TEST(ScriptParser, EveryMalformedLineIsReportedWithItsNumber) {
  const std::string text =
      "\xEF\xBB\xBF# a script with a byte order mark and CR LF line ends\r\n"
      "page main\r\n"
      "\r\n"
      "click\r\n"
      "   # indented comment\r\n"
      "expect field Copies 1\r\n"
      "bogus\r\n"
      "ok";  // no final line end
  const ParseResult r = ParseScript(text, "dir/s.vsh");
  ASSERT_EQ(r.errors.size(), 2u);
  EXPECT_EQ(r.errors[0].line, 4);
  EXPECT_EQ(r.errors[1].line, 7);
  EXPECT_EQ(Describe(r.script, r.errors[1]).rfind("dir/s.vsh:7: unknown statement bogus", 0), 0u);
  ASSERT_EQ(r.script.statements.size(), 3u);
  EXPECT_EQ(r.script.statements[0].line, 2);
  EXPECT_EQ(r.script.statements[1].line, 6);
  EXPECT_EQ(r.script.statements[1].source, "expect field Copies 1");  // no CR, no comment
  EXPECT_EQ(r.script.statements[2].line, 8);
}

TEST(ScriptParser, SourceKeepsTheLineWithoutItsComment) {
  const Statement s = ParseOne("  type 1064 \"a # b\"   # why  ");
  EXPECT_EQ(s.source, "type 1064 \"a # b\"");
}

}  // namespace
}  // namespace velko::script
