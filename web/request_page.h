// RequestPage: one HTTP request with default headers, cookies to send and to
// collect, a proxy with Basic credentials, a time-out and redirect switch.
//
//   AnsiText cookies = "a=1";
//   int status = 0;
//   ByteBlock body = RequestPage(url, {.method = 1, .bodyText = form,
//                                      .cookies = &cookies,
//                                      .statusCode = &status});
#pragma once

#include <memory>
#include <optional>
#include <string_view>

#include "text/types.h"
#include "web/request_object.h"

namespace modian {

struct RequestPageOptions {
  // 0 GET, 1 POST, 2 HEAD, 3 PUT, 4 OPTIONS, 5 DELETE, 6 TRACE, 7 CONNECT;
  // any other value is GET.
  int method = 0;
  AnsiText bodyText = {};
  // In and out. nullptr: no "Cookie" header and no merging. Loses a "Cookie:"
  // prefix; after merging holds the merged list.
  AnsiText* cookies = nullptr;
  // Out: the cookies the response set, or the merged list.
  AnsiText* receivedCookies = nullptr;
  // In and out: receives the default lines and the normalised form.
  AnsiText* headers = nullptr;
  AnsiText* responseHeaders = nullptr;
  int* statusCode = nullptr;
  bool disableRedirects = false;
  // Sent instead of bodyText when it holds at least one byte.
  ByteBlock bodyBytes = {};
  AnsiText proxy = {};
  // 0 or negative: 15 s; -1: the request object's own time-outs.
  int timeoutSeconds = 0;
  AnsiText proxyUser = {};
  AnsiText proxyPassword = {};
  // 1: Basic credentials; any other value sends none.
  int proxyAuthMode = 1;
  // Left out: a new object is made. A passed null handle is used all the
  // same, and every operation on it fails.
  std::optional<std::shared_ptr<RequestObject>> requestObject = {};
  bool mergeSentCookies = true;
  bool addDefaultHeaders = true;
  bool normalizeHeaders = true;
};

// The response body; the empty block when the request failed. When no
// request object can be made, nothing the caller passed is written to.
ByteBlock RequestPage(std::string_view url,
                      const RequestPageOptions& options = {});

// The same, making its request object with `createRequestObject` when the
// options pass none.
ByteBlock RequestPage(std::string_view url, const RequestPageOptions& options,
                      const RequestObjectFactory& createRequestObject);

}  // namespace modian
