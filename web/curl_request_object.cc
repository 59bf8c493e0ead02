// The request object on libcurl; the only code that includes curl's headers.
//
// On the wire: the URL, header values and a text body are sent as UTF-8
// (converted from GBK), so that a value the server once sent comes back as
// the same bytes; response header text is read as UTF-8 and becomes GBK.
#include <curl/curl.h>

#include <algorithm>
#include <chrono>
#include <climits>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "text/code_page.h"
#include "text/cut.h"
#include "web/request_object.h"

namespace modian {
namespace {

using Clock = std::chrono::steady_clock;

constexpr int kMaxRedirects = 10;
constexpr int kUnlimited = 0;
// The platform's own defaults, in force until SetTimeouts is called.
constexpr int kDefaultResolveMs = kUnlimited;
constexpr int kDefaultConnectMs = 60000;
constexpr int kDefaultSendMs = 30000;
constexpr int kDefaultReceiveMs = 30000;

constexpr int kAllIgnoreFlags = kIgnoreUnknownCa | kIgnoreWrongUsage |
                                kIgnoreInvalidCommonName | kIgnoreInvalidDate;
// libcurl can switch off only the whole chain check, so the chain errors are
// ignored only when every one of them is.
constexpr int kChainIgnoreFlags =
    kIgnoreUnknownCa | kIgnoreWrongUsage | kIgnoreInvalidDate;

std::string_view UpToZero(std::string_view text) {
  return text.substr(0, static_cast<std::size_t>(CountBytes(text)));
}

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
    const auto lower = [](char c) {
      return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    };
    return lower(x) == lower(y);
  });
}

// RFC 9110 token characters: what a method or a header name may consist of.
bool IsToken(std::string_view text) {
  constexpr std::string_view kSymbols = "!#$%&'*+-.^_`|~";
  return !text.empty() && std::all_of(text.begin(), text.end(), [&](char c) {
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') ||
           (c >= 'A' && c <= 'Z') || kSymbols.find(c) != std::string_view::npos;
  });
}

bool HasLineBreakOrControl(std::string_view text) {
  return std::any_of(text.begin(), text.end(), [](char c) {
    const auto byte = static_cast<unsigned char>(c);
    return (byte < 0x20 && byte != '\t') || byte == 0x7F;
  });
}

// The URL's UTF-8 bytes with spaces and non-ASCII bytes percent-encoded, as
// a browser sends them; empty when it holds control characters.
std::string WireUrl(std::string_view gbkUrl) {
  const std::string utf8 = AnsiToUtf8(UpToZero(gbkUrl));
  constexpr std::string_view kHex = "0123456789ABCDEF";
  std::string wire;
  wire.reserve(utf8.size());
  for (const char c : utf8) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 0x20 || byte == 0x7F) return std::string();
    if (byte == ' ' || byte >= 0x80) {
      wire += '%';
      wire += kHex[byte >> 4];
      wire += kHex[byte & 15];
    } else {
      wire += c;
    }
  }
  return wire;
}

// Spaces and tabs around a field value are not part of it on the wire.
std::string WithoutBlanks(std::string_view value) {
  const std::size_t first = value.find_first_not_of(" \t");
  if (first == std::string_view::npos) return std::string();
  return std::string(value.substr(first, value.find_last_not_of(" \t") - first + 1));
}

// The received bytes as GBK text: a zero byte would end the text early.
AnsiText ReceivedText(std::string_view bytes) {
  std::string cleaned(bytes);
  std::replace(cleaned.begin(), cleaned.end(), '\0', '?');
  return Utf8ToAnsi(cleaned);
}

std::string_view WithoutLineEnd(std::string_view line) {
  while (!line.empty() && (line.back() == '\n' || line.back() == '\r')) {
    line.remove_suffix(1);
  }
  return line;
}

struct SlistFree {
  void operator()(curl_slist* list) const { curl_slist_free_all(list); }
};
using HeaderList = std::unique_ptr<curl_slist, SlistFree>;

struct UrlFree {
  void operator()(CURLU* url) const { curl_url_cleanup(url); }
};

// False when libcurl could not take the line; the list is kept as it was.
bool Append(HeaderList& list, const std::string& line) {
  curl_slist* extended = curl_slist_append(list.get(), line.c_str());
  if (!extended) return false;
  list.release();
  list.reset(extended);
  return true;
}

struct RequestHeader {
  std::string name;   // ASCII token
  std::string value;  // UTF-8
};

class CurlRequestObject final : public RequestObject {
 public:
  CurlRequestObject() : curl_(curl_easy_init()) {}
  ~CurlRequestObject() override {
    if (curl_) curl_easy_cleanup(curl_);
  }
  CurlRequestObject(const CurlRequestObject&) = delete;
  CurlRequestObject& operator=(const CurlRequestObject&) = delete;

  bool HasHandle() const { return curl_ != nullptr; }

  void SetTimeouts(int resolveMs, int connectMs, int sendMs,
                   int receiveMs) override {
    if (std::min({resolveMs, connectMs, sendMs, receiveMs}) < -1) return;
    const auto limit = [](int ms) { return ms == -1 ? kUnlimited : ms; };
    resolveMs_ = limit(resolveMs);
    connectMs_ = limit(connectMs);
    sendMs_ = limit(sendMs);
    receiveMs_ = limit(receiveMs);
  }

  void SetProxy(int setting, std::string_view proxy) override {
    const std::string server = AnsiToUtf8(UpToZero(proxy));
    if (setting == kProxyNamed) {
      if (server.empty() || HasLineBreakOrControl(server)) return;
      proxy_ = server;
    } else if (setting != kProxyDefault && setting != kProxyDirect) {
      return;
    }
    proxySetting_ = setting;
  }

  void Open(std::string_view method, std::string_view url,
            bool async) override {
    // A failed Open leaves no request open, so that a later Send cannot
    // repeat the one before.
    opened_ = false;
    headers_.clear();
    method_ = std::string(UpToZero(method));
    url_ = WireUrl(url);
    if (async || !IsToken(method_) || !IsWebUrl(url_)) return;
    opened_ = true;
  }

  void SetOption(int option, int value) override {
    if (option == kOptionEnableRedirects) {
      followRedirects_ = value != 0;
    } else if (option == kOptionSslErrorIgnoreFlags) {
      if ((value & ~kAllIgnoreFlags) != 0) return;
      sslIgnoreFlags_ = value;
    }
  }

  void SetRequestHeader(std::string_view name,
                        std::string_view value) override {
    const std::string headerName(UpToZero(name));
    const std::string headerValue = WithoutBlanks(AnsiToUtf8(UpToZero(value)));
    if (!opened_ || !IsToken(headerName) || HasLineBreakOrControl(headerValue))
      return;
    // The transport frames the body itself; a length of the caller's could
    // contradict it.
    if (EqualsIgnoringCase(headerName, "Content-Length") ||
        EqualsIgnoringCase(headerName, "Transfer-Encoding"))
      return;
    const auto same = std::find_if(
        headers_.begin(), headers_.end(), [&](const RequestHeader& header) {
          return EqualsIgnoringCase(header.name, headerName);
        });
    if (headerValue.empty()) {
      if (same != headers_.end()) headers_.erase(same);
    } else if (same != headers_.end()) {
      same->value = headerValue;
    } else {
      headers_.push_back({headerName, headerValue});
    }
  }

  void Send(std::string_view bodyText) override {
    if (!opened_) return;
    const std::string body = AnsiToUtf8(UpToZero(bodyText));
    Perform(ByteBlock(body.begin(), body.end()));
  }

  void Send(const ByteBlock& bodyBytes) override {
    if (!opened_) return;
    Perform(bodyBytes);
  }

  ByteBlock ResponseBody() override { return responded_ ? body_ : ByteBlock(); }

  AnsiText GetAllResponseHeaders() override {
    if (!responded_) return AnsiText();
    std::string all;
    for (const std::string& line : headerLines_) {
      all += line;
      all += "\r\n";
    }
    all += "\r\n";
    return ReceivedText(all);
  }

  double Status() override { return responded_ ? status_ : 0; }

  AnsiText StatusText() override {
    if (!responded_) return AnsiText();
    // "HTTP/1.1 404 Not Found": the reason follows the second space.
    const std::size_t code = statusLine_.find(' ');
    if (code == std::string::npos) return AnsiText();
    const std::size_t reason = statusLine_.find(' ', code + 1);
    if (reason == std::string::npos) return AnsiText();
    return ReceivedText(statusLine_.substr(reason + 1));
  }

 private:
  enum class Phase { kConnecting, kSending, kReceiving };

  bool IsWebUrl(const std::string& url) const {
    if (url.empty()) return false;
    std::unique_ptr<CURLU, UrlFree> parsed(curl_url());
    if (!parsed || curl_url_set(parsed.get(), CURLUPART_URL, url.c_str(), 0) !=
                       CURLUE_OK)
      return false;
    char* scheme = nullptr;
    if (curl_url_get(parsed.get(), CURLUPART_SCHEME, &scheme, 0) != CURLUE_OK)
      return false;
    const std::string_view name(scheme);
    const bool web = name == "http" || name == "https";
    curl_free(scheme);
    return web;
  }

  bool HasHeader(std::string_view name) const {
    return std::any_of(headers_.begin(), headers_.end(),
                       [&](const RequestHeader& header) {
                         return EqualsIgnoringCase(header.name, name);
                       });
  }

  int ConnectLimitMs() const {
    if (resolveMs_ == kUnlimited || connectMs_ == kUnlimited) return kUnlimited;
    return resolveMs_ > INT_MAX - connectMs_ ? INT_MAX
                                             : resolveMs_ + connectMs_;
  }

  void ForgetResponse() {
    responded_ = false;
    body_.clear();
    headerLines_.clear();
    statusLine_.clear();
    status_ = 0;
  }

  // Builds the two header lists. Proxy-Authorization goes only to a proxy:
  // in a plain proxied request libcurl sends both lists, in a CONNECT only
  // the proxy's, and to a server directly only the server's.
  bool BuildHeaderLists(bool withBody, HeaderList& server, HeaderList& proxy) {
    for (const RequestHeader& header : headers_) {
      HeaderList& list =
          EqualsIgnoringCase(header.name, "Proxy-Authorization") ? proxy
                                                                 : server;
      if (!Append(list, header.name + ": " + header.value)) return false;
    }
    // "Name:" keeps libcurl from adding a header of its own.
    for (const char* own : {"Accept", "Expect"}) {
      if (!HasHeader(own) && !Append(server, std::string(own) + ":"))
        return false;
    }
    if (withBody && !HasHeader("Content-Type") &&
        !Append(server, "Content-Type:"))
      return false;
    return Append(proxy, "Proxy-Connection:");
  }

  void Perform(const ByteBlock& body) {
    ForgetResponse();
    requestBody_ = body;
    curl_easy_reset(curl_);

    const bool head = method_ == "HEAD";
    const bool withBody =
        !head && (!body.empty() || method_ == "POST" || method_ == "PUT");
    HeaderList serverHeaders, proxyHeaders;
    if (!BuildHeaderLists(withBody, serverHeaders, proxyHeaders)) return;

    bool ok = true;
    const auto set = [&](CURLoption option, auto value) {
      ok = ok && curl_easy_setopt(curl_, option, value) == CURLE_OK;
    };
    set(CURLOPT_URL, url_.c_str());
    set(CURLOPT_PROTOCOLS_STR, "http,https");
    set(CURLOPT_REDIR_PROTOCOLS_STR, "http,https");
    set(CURLOPT_NOSIGNAL, 1L);
    // HTTP/2 would hand the header names back in lower case.
    set(CURLOPT_HTTP_VERSION, static_cast<long>(CURL_HTTP_VERSION_1_1));
    set(CURLOPT_FOLLOWLOCATION, followRedirects_ ? 1L : 0L);
    set(CURLOPT_MAXREDIRS, static_cast<long>(kMaxRedirects));
    set(CURLOPT_SSL_VERIFYPEER,
        (sslIgnoreFlags_ & kChainIgnoreFlags) == kChainIgnoreFlags ? 0L : 1L);
    set(CURLOPT_SSL_VERIFYHOST,
        (sslIgnoreFlags_ & kIgnoreInvalidCommonName) != 0 ? 0L : 2L);
    if (proxySetting_ == kProxyNamed) {
      set(CURLOPT_PROXY, proxy_.c_str());
      set(CURLOPT_NOPROXY, "");
    } else if (proxySetting_ == kProxyDirect) {
      set(CURLOPT_PROXY, "");
    }
    set(CURLOPT_SUPPRESS_CONNECT_HEADERS, 1L);
    set(CURLOPT_HEADEROPT, static_cast<long>(CURLHEADER_SEPARATE));
    set(CURLOPT_HTTPHEADER, serverHeaders.get());
    set(CURLOPT_PROXYHEADER, proxyHeaders.get());
    set(CURLOPT_CONNECTTIMEOUT_MS, static_cast<long>(ConnectLimitMs()));

    if (head) {
      set(CURLOPT_NOBODY, 1L);
    } else if (withBody) {
      set(CURLOPT_POSTFIELDSIZE_LARGE,
          static_cast<curl_off_t>(requestBody_.size()));
      set(CURLOPT_POSTFIELDS, requestBody_.data());
      if (method_ != "POST") set(CURLOPT_CUSTOMREQUEST, method_.c_str());
    } else if (method_ == "GET") {
      set(CURLOPT_HTTPGET, 1L);
    } else {
      set(CURLOPT_CUSTOMREQUEST, method_.c_str());
    }

    set(CURLOPT_WRITEFUNCTION, &CurlRequestObject::OnBody);
    set(CURLOPT_WRITEDATA, this);
    set(CURLOPT_HEADERFUNCTION, &CurlRequestObject::OnHeader);
    set(CURLOPT_HEADERDATA, this);
    set(CURLOPT_PREREQFUNCTION, &CurlRequestObject::OnConnected);
    set(CURLOPT_PREREQDATA, this);
    set(CURLOPT_XFERINFOFUNCTION, &CurlRequestObject::OnProgress);
    set(CURLOPT_XFERINFODATA, this);
    set(CURLOPT_NOPROGRESS, 0L);
    if (!ok) return;

    phase_ = Phase::kConnecting;
    phaseStart_ = lastActivity_ = Clock::now();
    lastUploaded_ = lastDownloaded_ = 0;
    inHeaders_ = false;

    const CURLcode result = curl_easy_perform(curl_);
    long status = 0;
    const bool answered =
        result == CURLE_OK &&
        curl_easy_getinfo(curl_, CURLINFO_RESPONSE_CODE, &status) == CURLE_OK;
    // The options point into this call's header lists.
    curl_easy_reset(curl_);
    if (!answered) {
      ForgetResponse();
      return;
    }
    status_ = status;
    responded_ = true;
  }

  static bool Exceeded(Clock::time_point since, int limitMs) {
    return limitMs != kUnlimited &&
           Clock::now() - since > std::chrono::milliseconds(limitMs);
  }

  static size_t OnBody(char* data, size_t size, size_t count, void* self) {
    auto& object = *static_cast<CurlRequestObject*>(self);
    object.lastActivity_ = Clock::now();
    object.phase_ = Phase::kReceiving;
    object.body_.insert(object.body_.end(), data, data + size * count);
    return size * count;
  }

  static size_t OnHeader(char* data, size_t size, size_t count, void* self) {
    auto& object = *static_cast<CurlRequestObject*>(self);
    object.lastActivity_ = Clock::now();
    const std::string_view line =
        WithoutLineEnd(std::string_view(data, size * count));
    if (line.substr(0, 5) == "HTTP/") {
      // Each new response (a redirect's target, or the final answer after a
      // 100 Continue) replaces what came before.
      object.headerLines_.clear();
      object.body_.clear();
      object.statusLine_ = std::string(line);
      object.inHeaders_ = true;
      object.redirecting_ = false;
    } else if (line.empty()) {
      object.inHeaders_ = false;
      if (object.redirecting_) {
        object.phase_ = Phase::kConnecting;
        object.phaseStart_ = object.lastActivity_;
      }
    } else if (object.inHeaders_) {
      object.headerLines_.emplace_back(line);
      if (object.followRedirects_ && object.statusLine_.size() > 9 &&
          object.statusLine_[9] == '3' &&
          EqualsIgnoringCase(line.substr(0, 9), "Location:"))
        object.redirecting_ = true;
    }
    return size * count;
  }

  static int OnConnected(void* self, char*, char*, int, int) {
    auto& object = *static_cast<CurlRequestObject*>(self);
    object.phase_ = Phase::kSending;
    object.lastActivity_ = Clock::now();
    object.lastUploaded_ = object.lastDownloaded_ = 0;
    return CURL_PREREQFUNC_OK;
  }

  // Ends a transfer that made no progress for longer than the time-out of
  // the phase it is in; a slow but steady one goes on.
  static int OnProgress(void* self, curl_off_t, curl_off_t downloaded,
                        curl_off_t uploadTotal, curl_off_t uploaded) {
    auto& object = *static_cast<CurlRequestObject*>(self);
    if (downloaded != object.lastDownloaded_ ||
        uploaded != object.lastUploaded_) {
      object.lastDownloaded_ = downloaded;
      object.lastUploaded_ = uploaded;
      object.lastActivity_ = Clock::now();
    }
    switch (object.phase_) {
      case Phase::kConnecting:
        return Exceeded(object.phaseStart_, object.ConnectLimitMs());
      case Phase::kSending:
        if (uploaded >= uploadTotal) {
          object.phase_ = Phase::kReceiving;
          object.lastActivity_ = Clock::now();
          return 0;
        }
        return Exceeded(object.lastActivity_, object.sendMs_);
      case Phase::kReceiving:
        return Exceeded(object.lastActivity_, object.receiveMs_);
    }
    return 0;
  }

  CURL* curl_;

  int resolveMs_ = kDefaultResolveMs;
  int connectMs_ = kDefaultConnectMs;
  int sendMs_ = kDefaultSendMs;
  int receiveMs_ = kDefaultReceiveMs;
  int proxySetting_ = kProxyDirect;
  std::string proxy_;
  bool followRedirects_ = true;
  int sslIgnoreFlags_ = 0;

  bool opened_ = false;
  std::string method_;
  std::string url_;
  std::vector<RequestHeader> headers_;
  ByteBlock requestBody_;

  bool responded_ = false;
  ByteBlock body_;
  std::vector<std::string> headerLines_;
  std::string statusLine_;
  long status_ = 0;

  Phase phase_ = Phase::kConnecting;
  Clock::time_point phaseStart_;
  Clock::time_point lastActivity_;
  curl_off_t lastUploaded_ = 0;
  curl_off_t lastDownloaded_ = 0;
  bool inHeaders_ = false;
  bool redirecting_ = false;
};

}  // namespace

std::shared_ptr<RequestObject> CreateRequestObject() {
  static const bool initialised = curl_global_init(CURL_GLOBAL_DEFAULT) == CURLE_OK;
  if (!initialised) return nullptr;
  auto object = std::make_shared<CurlRequestObject>();
  if (!object->HasHandle()) return nullptr;
  return object;
}

}  // namespace modian
