// The routes of `velko ui` over cpp-httplib.
#include "tools/velko/ui_server.h"

#include <httplib.h>

#include <charconv>
#include <random>
#include <string_view>

#include <fmt/core.h>

#include "host/script/action_json.h"
#include "tools/velko/commands.h"
#include "tools/webui/webui_assets.h"

namespace velko::cli::ui {
namespace {

using Json = nlohmann::json;

// How long a request waits for the sheet: a color table rebuild takes a
// fraction of this.
constexpr std::chrono::milliseconds kSheetTimeout{30000};

bool SameToken(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  unsigned diff = 0;
  for (std::size_t i = 0; i < a.size(); ++i) diff |= static_cast<unsigned char>(a[i] ^ b[i]);
  return diff == 0;
}

void Send(httplib::Response& res, const Reply& reply) {
  res.status = reply.status;
  if (reply.round_trip.count() != 0) {
    const double ms = std::chrono::duration<double, std::milli>(reply.round_trip).count();
    res.set_header("Server-Timing", fmt::format("sheet;dur={:.3f}", ms));
  }
  // A picture's address carries its version, so a cached one is never stale.
  res.set_header("Cache-Control", reply.content_type == "image/png" ? "private, max-age=3600" : "no-store");
  res.set_content(reply.body, reply.content_type);
}

void SendError(httplib::Response& res, int status, const std::string& message) {
  Send(res, Reply{status, Json{{"error", message}}.dump(-1, ' ', false, Json::error_handler_t::replace)});
}

const webui::WebAsset* FindAsset(std::string_view path) {
  for (const webui::WebAsset& asset : webui::WebAssets()) {
    if (asset.path == path) return &asset;
  }
  return nullptr;
}

std::string AssetText(const webui::WebAsset& asset) {
  return std::string(reinterpret_cast<const char*>(asset.bytes.data()), asset.bytes.size());
}

std::shared_ptr<Job> ReadingJob(std::function<Reply()> work) {
  auto job = std::make_shared<Job>();
  job->work = std::move(work);
  return job;
}

}  // namespace

std::string NewToken() {
  std::random_device device;
  std::string token;
  for (int i = 0; i < 4; ++i) token += fmt::format("{:08x}", device());
  return token;
}

UiServer::UiServer(JobQueue& queue, UiSession& session, std::string token)
    : queue_(queue), session_(session), token_(std::move(token)), server_(std::make_unique<httplib::Server>()) {
  Route();
}

UiServer::~UiServer() { Stop(); }

void UiServer::Route() {
  httplib::Server& s = *server_;
  s.set_payload_max_length(kMaxRequestBody);
  // Headers and body go out as separate writes; without this a reply waits
  // for the browser's delayed acknowledgement (about 40 ms).
  s.set_tcp_nodelay(true);
  // Stopping waits for idle kept-alive connections; keep that short so the
  // program ends soon after OK or Cancel.
  s.set_keep_alive_timeout(1);
  // The library's default also sets SO_REUSEPORT, which lets a second run
  // share a fixed port unnoticed; one sheet per port.
  s.set_socket_options([](socket_t sock) {
    const int yes = 1;
    setsockopt(sock, SOL_SOCKET, SO_REUSEADDR, &yes, sizeof yes);
  });
  s.set_pre_routing_handler([this](const httplib::Request& req, httplib::Response& res) {
    std::string given = req.get_param_value("token");
    if (given.empty()) given = req.get_header_value("X-Velko-Token");
    if (given.empty()) {
      SendError(res, 403, "the run's token is required (token=... or X-Velko-Token)");
      return httplib::Server::HandlerResponse::Handled;
    }
    if (!SameToken(given, token_)) {
      SendError(res, 403, "wrong token");
      return httplib::Server::HandlerResponse::Handled;
    }
    return httplib::Server::HandlerResponse::Unhandled;
  });

  s.Get("/", [this](const httplib::Request&, httplib::Response& res) {
    const webui::WebAsset* page = FindAsset("/index.html");
    std::string html = AssetText(*page);
    for (std::size_t at; (at = html.find("{{TOKEN}}")) != std::string::npos;) html.replace(at, 9, token_);
    res.set_header("Cache-Control", "no-store");
    res.set_content(html, std::string(page->content_type));
  });
  s.Get(R"(/(app\.js|app\.css))", [](const httplib::Request& req, httplib::Response& res) {
    const webui::WebAsset* asset = FindAsset(req.path);
    res.set_content(AssetText(*asset), std::string(asset->content_type));
  });

  s.Get("/api/state", [this](const httplib::Request&, httplib::Response& res) {
    Send(res, queue_.Call(ReadingJob([this] { return session_.State(); }), kSheetTimeout));
  });

  s.Post("/api/action", [this](const httplib::Request& req, httplib::Response& res) {
    const Json body = Json::parse(req.body, nullptr, false);
    if (body.is_discarded()) return SendError(res, 400, "the body is not JSON");
    script::JsonActions parsed = script::ActionsFromJson(body);
    if (!parsed.error.empty()) return SendError(res, 400, parsed.error);
    auto job = std::make_shared<Job>();
    job->actions = std::move(parsed.actions);
    Send(res, queue_.Call(std::move(job), kSheetTimeout));
  });

  s.Get("/api/image", [this](const httplib::Request& req, httplib::Response& res) {
    const std::string hwnd = req.get_param_value("hwnd");
    HWND window = 0;
    const auto [end, error] = std::from_chars(hwnd.data(), hwnd.data() + hwnd.size(), window);
    if (hwnd.empty() || error != std::errc() || end != hwnd.data() + hwnd.size()) {
      return SendError(res, 400, "hwnd must be a window handle");
    }
    const std::string version = req.get_param_value("v");
    Send(res, queue_.Call(ReadingJob([this, window, version] { return session_.Image(window, version); }),
                          kSheetTimeout));
  });

  s.Get("/api/files", [this](const httplib::Request& req, httplib::Response& res) {
    std::string folder = req.get_param_value("folder");
    if (folder.empty()) folder = "C:\\";
    Send(res, queue_.Call(ReadingJob([this, folder] { return session_.Files(folder); }), kSheetTimeout));
  });

  s.set_error_handler([](const httplib::Request& req, httplib::Response& res) {
    if (!res.body.empty()) return;
    if (res.status == 413) return SendError(res, 413, "the request body is too large");
    SendError(res, res.status, "nothing at " + req.path);
  });
}

int UiServer::Start(int port) {
  const int bound = port == 0 ? server_->bind_to_any_port("127.0.0.1") : server_->bind_to_port("127.0.0.1", port)
                                                                            ? port
                                                                            : -1;
  if (bound <= 0) throw WorkError(fmt::format("ui: cannot listen on 127.0.0.1:{}", port));
  thread_ = std::thread([this] { server_->listen_after_bind(); });
  return bound;
}

void UiServer::Stop() {
  if (!thread_.joinable()) return;
  server_->stop();
  thread_.join();
}

}  // namespace velko::cli::ui
