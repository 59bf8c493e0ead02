#include "web/request_page.h"

#include <array>
#include <climits>

#include "text/bytes.h"
#include "text/cut.h"
#include "text/replace.h"
#include "text/search.h"
#include "text/split.h"
#include "web/base64.h"
#include "web/cookie_merge.h"
#include "web/header_lines.h"
#include "web/received_cookies.h"

namespace modian {
namespace {

constexpr std::array<std::string_view, 8> kMethodNames = {
    "GET", "POST", "HEAD", "PUT", "OPTIONS", "DELETE", "TRACE", "CONNECT"};
constexpr int kPost = 1;

constexpr int kDefaultTimeoutMs = 15000;
constexpr int kPlatformTimeouts = -1;
constexpr int kAllCertificateErrors = kIgnoreUnknownCa | kIgnoreWrongUsage |
                                      kIgnoreInvalidCommonName |
                                      kIgnoreInvalidDate;
constexpr int kBasicAuth = 1;

// Stands in for a passed handle that holds no object: every operation fails.
class AbsentRequestObject final : public RequestObject {
 public:
  void SetTimeouts(int, int, int, int) override {}
  void SetProxy(int, std::string_view) override {}
  void Open(std::string_view, std::string_view, bool) override {}
  void SetOption(int, int) override {}
  void SetRequestHeader(std::string_view, std::string_view) override {}
  void Send(std::string_view) override {}
  void Send(const ByteBlock&) override {}
  ByteBlock ResponseBody() override { return {}; }
  AnsiText GetAllResponseHeaders() override { return {}; }
  double Status() override { return 0; }
  AnsiText StatusText() override { return {}; }
};

int TimeoutMilliseconds(int timeoutSeconds) {
  if (timeoutSeconds <= 0) return kDefaultTimeoutMs;
  // Seconds beyond what 32-bit milliseconds hold mean "as long as possible".
  if (timeoutSeconds > INT_MAX / 1000) return INT_MAX;
  return timeoutSeconds * 1000;
}

// The status read as a double, truncated toward zero; a value that no 32-bit
// integer holds (or NaN) would make the conversion undefined, and gives 0.
int StatusCodeOf(double status) {
  if (!(status > static_cast<double>(INT_MIN) - 1.0 &&
        status < static_cast<double>(INT_MAX) + 1.0)) {
    return 0;
  }
  return static_cast<int>(status);
}

void AddDefaultHeaders(AnsiText& headers, std::string_view url, int method) {
  struct DefaultHeader {
    std::string_view marker;
    AnsiText line;
    bool postOnly;
  };
  const std::array<DefaultHeader, 5> table = {{
      {"Accept:", "Accept: */*", false},
      {"Referer:", "Referer: " + AnsiText(url), false},
      {"Accept-Language:", "Accept-Language: zh-cn", false},
      {"User-Agent:",
       "User-Agent: Mozilla/4.0 (compatible; MSIE 9.0; Windows NT 6.1)", false},
      {"Content-Type:", "Content-Type: application/x-www-form-urlencoded",
       true},
  }};
  for (const DefaultHeader& row : table) {
    if (row.postOnly && method != kPost) continue;
    if (IndexOf(headers, row.marker, 1, Case::kIgnore) != -1) continue;
    headers += "\r\n";
    headers += row.line;
  }
}

void SetHeaderLines(RequestObject& request, std::string_view headers) {
  if (IndexOf(headers, "\r\n") == -1) {
    request.SetRequestHeader(HeaderName(headers), HeaderValue(headers));
    return;
  }
  for (const AnsiText& line : SplitBy(headers, "\r\n")) {
    if (line.empty()) continue;
    const AnsiText name = HeaderName(line);
    const AnsiText value = HeaderValue(line);
    if (name == "Connection" && value == "keep-alive") continue;
    request.SetRequestHeader(name, value);
  }
}

}  // namespace

ByteBlock RequestPage(std::string_view url, const RequestPageOptions& options) {
  return RequestPage(url, options, CreateRequestObject);
}

ByteBlock RequestPage(std::string_view url, const RequestPageOptions& options,
                      const RequestObjectFactory& createRequestObject) {
  // A text ends at its first zero byte; the Referer line must not carry more.
  url = url.substr(0, static_cast<std::size_t>(CountBytes(url)));
  const int method =
      options.method < 0 || options.method > 7 ? 0 : options.method;

  std::shared_ptr<RequestObject> held;
  if (options.requestObject) {
    held = *options.requestObject;
    if (!held) held = std::make_shared<AbsentRequestObject>();
  } else {
    held = createRequestObject ? createRequestObject() : nullptr;
    if (!held) return ByteBlock();
  }
  RequestObject& request = *held;

  if (options.timeoutSeconds != kPlatformTimeouts) {
    const int ms = TimeoutMilliseconds(options.timeoutSeconds);
    request.SetTimeouts(ms, ms, ms, ms);
  }
  if (!options.proxy.empty()) request.SetProxy(kProxyNamed, options.proxy);
  request.Open(kMethodNames[method], url, false);
  if (options.disableRedirects) request.SetOption(kOptionEnableRedirects, 0);
  request.SetOption(kOptionSslErrorIgnoreFlags, kAllCertificateErrors);

  AnsiText ownHeaders;
  AnsiText& headers = options.headers ? *options.headers : ownHeaders;
  if (options.addDefaultHeaders) AddDefaultHeaders(headers, url, method);
  if (options.normalizeHeaders) headers = NormalizeHeaderNames(headers);

  if (!options.proxy.empty() && !options.proxyUser.empty() &&
      options.proxyAuthMode == kBasicAuth) {
    ByteBlock credentials =
        AsBytes(options.proxyUser + ":" + options.proxyPassword);
    request.SetRequestHeader("Proxy-Authorization",
                             "Basic " + Base64Encode(credentials));
  }

  if (options.cookies) {
    AnsiText& cookies = *options.cookies;
    cookies = ReplaceAll(cookies, "Cookie:", "", Case::kIgnore);
    request.SetRequestHeader("Cookie", cookies);
  }

  SetHeaderLines(request, headers);

  if (!options.bodyBytes.empty()) {
    request.Send(options.bodyBytes);
  } else {
    request.Send(std::string_view(options.bodyText));
  }

  ByteBlock body = request.ResponseBody();
  const AnsiText responseHeaders = request.GetAllResponseHeaders();
  const int statusCode = StatusCodeOf(request.Status());
  request.StatusText();

  AnsiText receivedCookies = ReceivedCookies(responseHeaders);
  if (options.mergeSentCookies && options.cookies) {
    receivedCookies = MergeCookies(*options.cookies, receivedCookies);
  }

  if (options.responseHeaders) *options.responseHeaders = responseHeaders;
  if (options.statusCode) *options.statusCode = statusCode;
  if (options.receivedCookies) *options.receivedCookies = receivedCookies;
  return body;
}

}  // namespace modian
