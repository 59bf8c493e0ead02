// The HTTP request object that RequestPage drives, and the factory that makes
// the real one.
//
// Its operations never throw: one that fails has no effect, and a read that
// fails gives the empty text, the empty block or 0. Texts cross as GBK.
#pragma once

#include <functional>
#include <memory>
#include <string_view>

#include "text/types.h"

namespace modian {

// Values for SetProxy's `setting`.
inline constexpr int kProxyDefault = 0;  // the system's proxy settings
inline constexpr int kProxyDirect = 1;   // no proxy
inline constexpr int kProxyNamed = 2;    // the proxy server that is named

// Options for SetOption.
inline constexpr int kOptionSslErrorIgnoreFlags = 4;
inline constexpr int kOptionEnableRedirects = 6;

// Certificate errors that kOptionSslErrorIgnoreFlags can ignore.
inline constexpr int kIgnoreUnknownCa = 0x0100;
inline constexpr int kIgnoreWrongUsage = 0x0200;
inline constexpr int kIgnoreInvalidCommonName = 0x1000;
inline constexpr int kIgnoreInvalidDate = 0x2000;

class RequestObject {
 public:
  virtual ~RequestObject() = default;

  // Time-outs in milliseconds for name resolution, connecting, sending and
  // each wait for more of the response; 0 or -1 means no limit.
  virtual void SetTimeouts(int resolveMs, int connectMs, int sendMs,
                           int receiveMs) = 0;
  virtual void SetProxy(int setting, std::string_view proxy) = 0;
  // Starts a new request; headers set before are forgotten. Only synchronous
  // requests (async false) are made.
  virtual void Open(std::string_view method, std::string_view url,
                    bool async = false) = 0;
  virtual void SetOption(int option, int value) = 0;
  // Setting a name again replaces its value; an empty value removes it.
  virtual void SetRequestHeader(std::string_view name,
                                std::string_view value) = 0;
  // Sends the request and waits until the response is complete or a time-out
  // ends it.
  virtual void Send(std::string_view bodyText) = 0;
  virtual void Send(const ByteBlock& bodyBytes) = 0;

  // The body of the last response as received.
  virtual ByteBlock ResponseBody() = 0;
  // The header lines of the last response, without its status line, each
  // ending in CR LF, and one more CR LF after them.
  virtual AnsiText GetAllResponseHeaders() = 0;
  virtual double Status() = 0;
  virtual AnsiText StatusText() = 0;
};

// A new request object on libcurl, or nullptr when none can be made.
std::shared_ptr<RequestObject> CreateRequestObject();

using RequestObjectFactory = std::function<std::shared_ptr<RequestObject>()>;

}  // namespace modian
