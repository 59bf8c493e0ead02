#include "tests/web/raw_http_server.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <chrono>
#include <cstdlib>

namespace modian::testing {
namespace {

constexpr int kPollMs = 20;

int ListenOnLoopback(int& port) {
  const int fd = socket(AF_INET, SOCK_STREAM, 0);
  if (fd < 0) std::abort();
  const int yes = 1;
  setsockopt(fd, SOL_SOCKET, SO_REUSEADDR, &yes, sizeof yes);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  socklen_t length = sizeof address;
  if (bind(fd, reinterpret_cast<sockaddr*>(&address), length) != 0 ||
      listen(fd, 16) != 0 ||
      getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length) != 0)
    std::abort();
  port = ntohs(address.sin_port);
  return fd;
}

bool Readable(int fd, int ms) {
  pollfd entry{fd, POLLIN, 0};
  return poll(&entry, 1, ms) > 0;
}

bool SendAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t sent = send(fd, bytes.data(), bytes.size(), MSG_NOSIGNAL);
    if (sent <= 0) return false;
    bytes.remove_prefix(static_cast<std::size_t>(sent));
  }
  return true;
}

std::size_t ContentLength(const std::string& head) {
  std::string lower(head);
  std::transform(lower.begin(), lower.end(), lower.begin(),
                 [](unsigned char c) { return std::tolower(c); });
  const std::size_t at = lower.find("\r\ncontent-length:");
  if (at == std::string::npos) return 0;
  return std::strtoul(head.c_str() + at + 17, nullptr, 10);
}

}  // namespace

std::string HttpResponse(std::string_view statusLine, std::string_view headers,
                         std::string_view body) {
  return std::string(statusLine) + "\r\nContent-Length: " +
         std::to_string(body.size()) + "\r\nConnection: close\r\n" +
         std::string(headers) + "\r\n" + std::string(body);
}

RawHttpServer::RawHttpServer(RawHandler handler)
    : handler_(std::move(handler)), listener_(ListenOnLoopback(port_)) {
  thread_ = std::thread([this] { Serve(); });
}

RawHttpServer::~RawHttpServer() {
  stopping_ = true;
  thread_.join();
  close(listener_);
}

std::string RawHttpServer::Url(std::string_view path) const {
  return "http://127.0.0.1:" + std::to_string(port_) + std::string(path);
}

std::vector<RawRequest> RawHttpServer::Requests() const {
  std::lock_guard lock(mutex_);
  return requests_;
}

void RawHttpServer::Serve() {
  while (!stopping_) {
    if (!Readable(listener_, kPollMs)) continue;
    const int connection = accept(listener_, nullptr, nullptr);
    if (connection < 0) continue;
    Answer(connection);
    shutdown(connection, SHUT_RDWR);
    close(connection);
  }
}

void RawHttpServer::Answer(int connection) {
  RawRequest request;
  std::string received;
  std::size_t headEnd = std::string::npos;
  while (!stopping_) {
    if (headEnd != std::string::npos &&
        received.size() >= headEnd + ContentLength(request.head))
      break;
    if (!Readable(connection, kPollMs)) continue;
    char buffer[4096];
    const ssize_t got = recv(connection, buffer, sizeof buffer, 0);
    if (got <= 0) return;
    received.append(buffer, static_cast<std::size_t>(got));
    if (headEnd == std::string::npos) {
      const std::size_t blank = received.find("\r\n\r\n");
      if (blank == std::string::npos) continue;
      headEnd = blank + 4;
      request.head = received.substr(0, headEnd);
    }
  }
  if (stopping_) return;
  request.body = received.substr(headEnd, ContentLength(request.head));
  {
    std::lock_guard lock(mutex_);
    requests_.push_back(request);
  }
  const Reply reply = handler_(request);
  for (const ReplyStep& step : reply.steps) {
    if (!Pause(step.pauseMsBefore) || !SendAll(connection, step.bytes)) return;
  }
  if (reply.tunnelToPort != 0) Tunnel(connection, reply.tunnelToPort);
}

bool RawHttpServer::Pause(int ms) const {
  const auto until =
      std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
  while (std::chrono::steady_clock::now() < until) {
    if (stopping_) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  return !stopping_;
}

void RawHttpServer::Tunnel(int connection, int port) const {
  const int target = socket(AF_INET, SOCK_STREAM, 0);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  address.sin_port = htons(static_cast<std::uint16_t>(port));
  if (target < 0 ||
      connect(target, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0) {
    if (target >= 0) close(target);
    return;
  }
  pollfd ends[2] = {{connection, POLLIN, 0}, {target, POLLIN, 0}};
  while (!stopping_) {
    if (poll(ends, 2, kPollMs) <= 0) continue;
    bool open = true;
    for (int i = 0; i < 2 && open; ++i) {
      if ((ends[i].revents & (POLLIN | POLLHUP | POLLERR)) == 0) continue;
      char buffer[16384];
      const ssize_t got = recv(ends[i].fd, buffer, sizeof buffer, 0);
      open = got > 0 &&
             SendAll(ends[1 - i].fd,
                     std::string_view(buffer, static_cast<std::size_t>(got)));
    }
    if (!open) break;
  }
  close(target);
}

int RefusingPort() {
  int port = 0;
  close(ListenOnLoopback(port));
  return port;
}

}  // namespace modian::testing
