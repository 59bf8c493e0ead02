#define CPPHTTPLIB_OPENSSL_SUPPORT
#include "tests/app/player_site.h"

#include <httplib.h>

#include <atomic>
#include <cstdlib>
#include <filesystem>

namespace modian::test {
namespace {

std::string MakeCertificate() {
  std::string dir = (std::filesystem::temp_directory_path() /
                     "modian-player-site-XXXXXX").string();
  if (mkdtemp(dir.data()) == nullptr) return {};
  const std::string command =
      "openssl req -x509 -newkey rsa:2048 -nodes -days 2 -subj /CN=127.0.0.1"
      " -keyout '" + dir + "/key.pem' -out '" + dir + "/cert.pem'"
      " >/dev/null 2>&1";
  if (std::system(command.c_str()) != 0) return {};
  return dir;
}

}  // namespace

LoopbackSite::LoopbackSite(std::map<std::string, SiteFile> files)
    : certificateDir_(MakeCertificate()),
      requests_(std::make_shared<std::atomic<int>>(0)) {
  if (certificateDir_.empty()) return;
  server_ = std::make_unique<httplib::SSLServer>(
      (certificateDir_ + "/cert.pem").c_str(),
      (certificateDir_ + "/key.pem").c_str());
  if (!server_->is_valid()) return;
  // A kept-alive connection would hold stop() until its read times out.
  server_->set_keep_alive_max_count(1);
  server_->Get(".*", [files = std::move(files), requests = requests_](
                         const httplib::Request& request,
                         httplib::Response& response) {
    ++*requests;
    const auto found = files.find(request.path);
    if (found == files.end()) {
      response.status = 404;
      response.set_content("<h1>404 Not Found</h1>", "text/html");
      return;
    }
    response.set_content(found->second.body, found->second.contentType.c_str());
  });
  port_ = server_->bind_to_any_port("127.0.0.1");
  if (port_ <= 0) return;
  thread_ = std::thread([server = server_.get()] { server->listen_after_bind(); });
}

LoopbackSite::~LoopbackSite() {
  if (server_) server_->stop();
  if (thread_.joinable()) thread_.join();
  if (!certificateDir_.empty()) {
    std::error_code ignored;
    std::filesystem::remove_all(certificateDir_, ignored);
  }
}

std::string LoopbackSite::host() const {
  return "127.0.0.1:" + std::to_string(port_);
}

int LoopbackSite::requestCount() const { return requests_->load(); }

}  // namespace modian::test
