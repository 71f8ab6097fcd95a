// `velko ui`: the web server. It listens on 127.0.0.1 only, refuses every
// request that lacks the run's token, limits request bodies, serves the
// embedded page, and turns API requests into jobs for the sheet's thread:
//   GET  /?token=T                 the page
//   GET  /api/state                the screen (JSON)
//   POST /api/action               actions (host/script/action_json.h); the new screen
//   GET  /api/image?hwnd=H&v=V     a picture (PNG)
//   GET  /api/files?folder=C:\X    a folder of drive C:
// The token goes in the `token` query parameter or the X-Velko-Token
// header.
#pragma once

#include <memory>
#include <string>
#include <thread>

#include "tools/velko/ui_bridge.h"
#include "tools/velko/ui_session.h"

namespace httplib {
class Server;
}

namespace velko::cli::ui {

inline constexpr std::size_t kMaxRequestBody = 64 * 1024;

// 128 random bits as 32 hex digits.
std::string NewToken();

class UiServer {
 public:
  UiServer(JobQueue& queue, UiSession& session, std::string token);
  ~UiServer();
  UiServer(const UiServer&) = delete;
  UiServer& operator=(const UiServer&) = delete;

  // Binds 127.0.0.1:`port` (0: a free port) and starts answering on a
  // thread of its own; the port bound. Throws WorkError.
  int Start(int port);
  // Stops listening once the requests in progress are answered.
  void Stop();

 private:
  void Route();

  JobQueue& queue_;
  UiSession& session_;
  std::string token_;
  std::unique_ptr<httplib::Server> server_;
  std::thread thread_;
};

}  // namespace velko::cli::ui
