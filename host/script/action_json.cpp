// Reading user actions from JSON objects: each member checked for its type
// and range, with a message naming the action and the member.
#include "host/script/action_json.h"

#include <array>
#include <limits>
#include <optional>
#include <string_view>

#include "host/script/text_codec.h"
#include "platform/user/messages.h"

namespace velko::script {
namespace {

using nlohmann::json;
using platform::UserAction;

struct BadAction {
  std::string message;
};

class Members {
 public:
  Members(const json& object, std::string name) : object_(object), name_(std::move(name)) {}

  [[noreturn]] void Fail(std::string_view what) const { throw BadAction{name_ + ": " + std::string(what)}; }

  int64_t Integer(const char* key, int64_t min, int64_t max, std::string_view expected) const {
    const auto it = object_.find(key);
    if (it == object_.end() || !it->is_number_integer()) Fail(std::string("`") + key + "` must be " + std::string(expected));
    const int64_t value = it->get<int64_t>();
    if (value < min || value > max) Fail(std::string("`") + key + "` must be " + std::string(expected));
    return value;
  }

  int Id() const { return static_cast<int>(Integer("id", 0, 0xFFFF, "a control id (0 to 65535)")); }

  int Int32(const char* key, std::string_view expected) const {
    return static_cast<int>(
        Integer(key, std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max(), expected));
  }

  bool Has(const char* key) const { return object_.contains(key); }

  std::string Utf8(const char* key) const {
    const auto it = object_.find(key);
    if (it == object_.end() || !it->is_string()) Fail(std::string("`") + key + "` must be a text");
    return it->get<std::string>();
  }

  std::string Gb2312(const char* key) const {
    std::optional<std::string> bytes = Utf8ToGb2312(Utf8(key));
    if (!bytes) Fail(std::string("`") + key + "` has a character that GB2312 cannot hold");
    return std::move(*bytes);
  }

 private:
  const json& object_;
  std::string name_;
};

UserAction Scroll(const Members& m) {
  const int id = m.Id();
  const std::string word = m.Utf8("gesture");
  const std::optional<platform::ScrollGesture> gesture = platform::GestureFromName(word);
  if (!gesture) m.Fail("`gesture` must be lineup, linedown, pageup, pagedown, thumbposition, thumbtrack or endscroll");
  const bool thumb =
      *gesture == platform::ScrollGesture::ThumbPosition || *gesture == platform::ScrollGesture::ThumbTrack;
  return UserAction::Scroll(id, *gesture, thumb ? m.Int32("pos", "the thumb position, an integer") : 0);
}

UserAction Select(const Members& m) {
  const int id = m.Id();
  if (m.Has("text")) return UserAction::SelectText(id, m.Gb2312("text"));
  return UserAction::SelectIndex(
      id, static_cast<int>(m.Integer("index", 0, std::numeric_limits<int32_t>::max(), "an item index (0 and up)")));
}

UserAction Answer(const Members& m) {
  const std::string button = m.Utf8("button");
  if (button == "ok") return UserAction::Answer(IDOK);
  if (button == "cancel") return UserAction::Answer(IDCANCEL);
  m.Fail("`button` must be ok or cancel");
}

UserAction Browse(const Members& m) {
  std::string path = m.Gb2312("path");
  if (path.empty()) m.Fail("`path` must not be empty");
  return UserAction::Browse(std::move(path));
}

struct Reader {
  std::string_view word;
  UserAction (*read)(const Members&);
};

constexpr std::array<Reader, 14> kReaders{{
    {"click", [](const Members& m) { return UserAction::Click(m.Id()); }},
    {"select", Select},
    {"type", [](const Members& m) { return UserAction::Type(m.Id(), m.Gb2312("text")); }},
    {"clear", [](const Members& m) { return UserAction::Clear(m.Id()); }},
    {"leave", [](const Members& m) { return UserAction::Leave(m.Id()); }},
    {"scroll", Scroll},
    {"trackbar", [](const Members& m) { return UserAction::MoveTrackbar(m.Id(), m.Int32("pos", "the thumb position, an integer")); }},
    {"help", [](const Members& m) { return UserAction::Help(m.Id()); }},
    {"ok", [](const Members&) { return UserAction::Ok(); }},
    {"cancel", [](const Members&) { return UserAction::Cancel(); }},
    {"close", [](const Members&) { return UserAction::Close(); }},
    {"page", [](const Members& m) { return UserAction::Page(static_cast<int>(m.Integer("index", 0, 99, "a tab index (0 to 99)"))); }},
    {"answer", Answer},
    {"browse", Browse},
}};

UserAction ReadAction(const json& object, std::size_t number) {
  const std::string name = "action " + std::to_string(number);
  if (!object.is_object()) throw BadAction{name + ": expected an object"};
  const auto it = object.find("action");
  if (it == object.end() || !it->is_string()) throw BadAction{name + ": `action` must name the action"};
  const std::string word = it->get<std::string>();
  for (const Reader& r : kReaders) {
    if (r.word == word) {
      UserAction action = r.read(Members(object, name + " (" + word + ")"));
      action.line = static_cast<int>(number);
      return action;
    }
  }
  throw BadAction{name + ": unknown action \"" + word.substr(0, 40) +
                  "\" (click, select, type, clear, leave, scroll, trackbar, help, ok, cancel, close, page, answer, "
                  "browse)"};
}

}  // namespace

JsonActions ActionsFromJson(const json& body) {
  JsonActions out;
  try {
    if (body.is_object() && body.contains("actions")) {
      const json& list = body["actions"];
      if (!list.is_array() || list.empty()) throw BadAction{"`actions` must be a list of one or more actions"};
      if (list.size() > kMaxActionsPerRequest) {
        throw BadAction{"at most " + std::to_string(kMaxActionsPerRequest) + " actions in one request"};
      }
      for (std::size_t i = 0; i < list.size(); ++i) out.actions.push_back(ReadAction(list[i], i + 1));
    } else {
      out.actions.push_back(ReadAction(body, 1));
    }
  } catch (const BadAction& bad) {
    out.actions.clear();
    out.error = bad.message;
  }
  return out;
}

}  // namespace velko::script
