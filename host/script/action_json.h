// User actions written as JSON, the browser's form of the script language's
// actions: one object per action, its "action" member naming it with the
// script's word and its arguments as named members. Texts are UTF-8 and
// become GB2312 here, as the script's texts do.
//   {"action":"click","id":1016}
//   {"action":"select","id":1010,"index":3}   {"action":"select","id":1013,"text":"普通纸"}
//   {"action":"type","id":1064,"text":"250"}  {"action":"clear","id":1064}
//   {"action":"leave","id":1064}              {"action":"help","id":1010}
//   {"action":"scroll","id":1030,"gesture":"thumbposition","pos":7}
//   {"action":"trackbar","id":1044,"pos":-3}
//   {"action":"ok"}  {"action":"cancel"}  {"action":"close"}  {"action":"page","index":2}
//   {"action":"answer","button":"ok"|"cancel"}  {"action":"browse","path":"C:\\WM\\logo.bmp"}
// A request holds one action object or {"actions":[...]}, at most
// kMaxActionsPerRequest of them.
#pragma once

#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "platform/user/input.h"

namespace velko::script {

inline constexpr std::size_t kMaxActionsPerRequest = 16;

struct JsonActions {
  std::vector<platform::UserAction> actions;
  std::string error;  // what is wrong with the request, for people; empty when it is well formed
};

// The actions of a request body; `line` of each action is its place in the
// list (1 and up).
JsonActions ActionsFromJson(const nlohmann::json& body);

}  // namespace velko::script
