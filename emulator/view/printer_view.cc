#include "emulator/view/printer_view.h"

#include <httplib.h>

#include <chrono>

#include <nlohmann/json.hpp>

#include "emulator/view/printer_page.h"
#include "emulator/view/view_actions.h"
#include "emulator/view/view_snapshot.h"
#include "mdx00200/exceptions.h"

namespace mdx::emulator::view {

namespace {

constexpr const char* kLoopback = "127.0.0.1";

// The Host header a request to this server carries from a page of its own.
bool IsOwnHost(const httplib::Request& request, int port) {
  const std::string host = request.get_header_value("Host");
  const std::string suffix = ":" + std::to_string(port);
  return host == kLoopback + suffix || host == "localhost" + suffix;
}

uint64_t SinceOf(const httplib::Request& request) {
  const std::string since = request.get_param_value("since");
  if (since.empty() || since.size() > 20 || since.find_first_not_of("0123456789") != std::string::npos) {
    return UINT64_MAX;
  }
  return std::stoull(since);
}

void Answer(httplib::Response& response, int status, bool ok, const std::string& message) {
  response.status = status;
  response.set_content(nlohmann::json{{"ok", ok}, {"message", message}}.dump(), "application/json");
}

}  // namespace

PrinterView::PrinterView(SharedPrinter& printer, int port)
    : printer_(printer), server_(std::make_unique<httplib::Server>()) {
  httplib::Server& server = *server_;
  // Two workers: one browser polling and one clicking.
  server.new_task_queue = [] { return new httplib::ThreadPool(2); };
  server.set_keep_alive_timeout(2);

  server.set_pre_routing_handler([this](const httplib::Request& request, httplib::Response& response) {
    response.set_header("Cache-Control", "no-store");
    if (!IsOwnHost(request, port_)) {
      Answer(response, 403, false, "this page answers only to " + Address());
      return httplib::Server::HandlerResponse::Handled;
    }
    return httplib::Server::HandlerResponse::Unhandled;
  });
  server.Get("/", [](const httplib::Request&, httplib::Response& response) {
    response.set_content(PrinterPageHtml(), "text/html; charset=utf-8");
  });
  server.Get("/view.json", [this](const httplib::Request& request, httplib::Response& response) {
    response.set_content(ViewSnapshot(printer_, SinceOf(request)), "application/json");
  });
  server.Post(R"(/action/([a-z-]+))", [this](const httplib::Request& request, httplib::Response& response) {
    if (request.get_header_value("X-Printer-Page") != "1") {
      Answer(response, 403, false, "actions come from the printer's page");
      return;
    }
    ActionFields fields;
    for (const auto& [name, value] : request.params) fields[name] = value;
    const ActionResult result = RunAction(printer_, request.matches[1], fields);
    Answer(response, result.ok ? 200 : 400, result.ok, AnsiToUtf8(result.message));
  });

  const bool bound = port == 0 ? (port_ = server.bind_to_any_port(kLoopback)) > 0
                               : server.bind_to_port(kLoopback, port_ = port);
  if (!bound) {
    throw Exception("the printer's page cannot take port " + std::to_string(port) + " on " +
                    kLoopback + " (in use, or not allowed)");
  }
  thread_ = std::thread([this, &server] {
    server.listen_after_bind();
    listenEnded_ = true;
  });
  // The server's stop() does nothing until it runs: wait for it, so that a
  // view destroyed at once still stops.
  while (!server.is_running() && !listenEnded_) std::this_thread::sleep_for(std::chrono::milliseconds(1));
}

PrinterView::~PrinterView() {
  if (!server_) return;
  server_->stop();
  if (thread_.joinable()) thread_.join();
}

std::string PrinterView::Address() const {
  return std::string("http://") + kLoopback + ":" + std::to_string(port_) + "/";
}

void PrinterView::Abandon() {
  if (thread_.joinable()) thread_.detach();
  // The server stays allocated: a thread that is still running may use it.
  (void)server_.release();
}

}  // namespace mdx::emulator::view
