// A loopback https site for the player tests: serves fixed bodies by path
// with a self-signed certificate made when the site starts.
#pragma once

#include <atomic>
#include <map>
#include <memory>
#include <string>
#include <thread>

namespace httplib {
class SSLServer;
}

namespace modian::test {

struct SiteFile {
  std::string contentType;
  std::string body;
};

class LoopbackSite {
 public:
  // Serves `files` (decoded path → file) on 127.0.0.1 at a free port; any other path
  // gets 404. Without a usable certificate, `ok()` is false.
  explicit LoopbackSite(std::map<std::string, SiteFile> files);
  ~LoopbackSite();
  LoopbackSite(const LoopbackSite&) = delete;
  LoopbackSite& operator=(const LoopbackSite&) = delete;

  bool ok() const { return port_ > 0; }
  // "127.0.0.1:port", the form the program's host names take.
  std::string host() const;
  // How many requests reached the site, for checks that the file was fetched.
  int requestCount() const;

 private:
  std::string certificateDir_;
  std::unique_ptr<httplib::SSLServer> server_;
  std::thread thread_;
  int port_ = 0;
  std::shared_ptr<std::atomic<int>> requests_;
};

}  // namespace modian::test
