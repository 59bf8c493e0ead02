// A loopback HTTP server for tests that records each request exactly as it
// arrived and answers with scripted bytes: pauses, cut-offs, or a tunnel to
// another port after a CONNECT, as a forward proxy does.
#pragma once

#include <atomic>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace modian::testing {

struct RawRequest {
  std::string head;  // request line and header lines, up to the blank line
  std::string body;  // Content-Length bytes after the head
};

struct ReplyStep {
  int pauseMsBefore = 0;
  std::string bytes = {};
};

struct Reply {
  std::vector<ReplyStep> steps = {};
  // After the steps, relay bytes both ways to 127.0.0.1 at this port.
  int tunnelToPort = 0;
};

using RawHandler = std::function<Reply(const RawRequest&)>;

// A complete response with the given status line, extra header lines (each
// ending in CR LF) and body, closing the connection.
std::string HttpResponse(std::string_view statusLine, std::string_view headers,
                         std::string_view body);

class RawHttpServer {
 public:
  explicit RawHttpServer(RawHandler handler);
  ~RawHttpServer();
  RawHttpServer(const RawHttpServer&) = delete;
  RawHttpServer& operator=(const RawHttpServer&) = delete;

  int Port() const { return port_; }
  std::string Url(std::string_view path) const;
  std::vector<RawRequest> Requests() const;

 private:
  void Serve();
  void Answer(int connection);
  bool Pause(int ms) const;
  void Tunnel(int connection, int port) const;

  RawHandler handler_;
  int port_ = 0;
  int listener_ = -1;
  std::atomic<bool> stopping_{false};
  mutable std::mutex mutex_;
  std::vector<RawRequest> requests_;
  std::thread thread_;
};

// A port on 127.0.0.1 that refuses connections (bound once, then closed).
int RefusingPort();

}  // namespace modian::testing
