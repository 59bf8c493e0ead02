// RequestPage on the libcurl request object against loopback servers: what
// arrives on the wire, and what comes back from good and bad servers.
#include <gtest/gtest.h>

#include <string>

#include "tests/web/raw_http_server.h"
#include "text/gbk.h"
#include "web/request_page.h"

namespace modian {
namespace {

using testing::HttpResponse;
using testing::RawHttpServer;
using testing::RawRequest;
using testing::Reply;

constexpr char kUserAgentLine[] =
    "User-Agent: Mozilla/4.0 (compatible; MSIE 9.0; Windows NT 6.1)\r\n";

RawHttpServer AnsweringWith(std::string response) {
  return RawHttpServer(
      [response](const RawRequest&) { return Reply{{{0, response}}}; });
}

std::string Host(const RawHttpServer& server) {
  return "Host: 127.0.0.1:" + std::to_string(server.Port()) + "\r\n";
}

TEST(RequestPageWire, DefaultGetSendsExactlyTheDefaultHeadersInOrder) {
  RawHttpServer server = AnsweringWith(HttpResponse("HTTP/1.1 200 OK", "", "hi"));
  const std::string url = server.Url("/mandarin.php?q=%E6%98%A5");
  EXPECT_EQ(RequestPage(url), (ByteBlock{'h', 'i'}));
  ASSERT_EQ(server.Requests().size(), 1u);
  EXPECT_EQ(server.Requests()[0].head,
            "GET /mandarin.php?q=%E6%98%A5 HTTP/1.1\r\n" + Host(server) +
                "Accept: */*\r\nReferer: " + url +
                "\r\nAccept-Language: zh-cn\r\n" + kUserAgentLine + "\r\n");
}

TEST(RequestPageWire, MethodsAndBodiesAsSent) {
  struct Case {
    const char* name;
    RequestPageOptions options;
    std::string wantHead;
    std::string wantBody;
  };
  const Case cases[] = {
      {"POST text body goes as UTF-8 with the default Content-Type",
       RequestPageOptions{.method = 1, .bodyText = Gbk("字=春"),
                          .addDefaultHeaders = true},
       "POST / HTTP/1.1\r\n{HOST}Accept: */*\r\nReferer: {URL}\r\n"
       "Accept-Language: zh-cn\r\n" + std::string(kUserAgentLine) +
           "Content-Type: application/x-www-form-urlencoded\r\n"
           "Content-Length: 7\r\n\r\n",
       "\xE5\xAD\x97=\xE6\x98\xA5"},
      {"PUT byte body holds zero bytes, no Content-Type of the client's",
       RequestPageOptions{.method = 3, .bodyBytes = {'a', 0, 0xFF, 'b'},
                          .addDefaultHeaders = false},
       "PUT / HTTP/1.1\r\n{HOST}Content-Length: 4\r\n\r\n",
       std::string("a\0\xFF" "b", 4)},
      {"GET with an empty text body has no body",
       RequestPageOptions{.addDefaultHeaders = false},
       "GET / HTTP/1.1\r\n{HOST}\r\n", ""},
      {"GET with a text body sends it",
       RequestPageOptions{.bodyText = "x=1", .addDefaultHeaders = false},
       "GET / HTTP/1.1\r\n{HOST}Content-Length: 3\r\n\r\n", "x=1"},
      {"DELETE", RequestPageOptions{.method = 5, .addDefaultHeaders = false},
       "DELETE / HTTP/1.1\r\n{HOST}\r\n", ""},
      {"OPTIONS", RequestPageOptions{.method = 4, .addDefaultHeaders = false},
       "OPTIONS / HTTP/1.1\r\n{HOST}\r\n", ""},
      {"POST with an empty body says so",
       RequestPageOptions{.method = 1, .addDefaultHeaders = false},
       "POST / HTTP/1.1\r\n{HOST}Content-Length: 0\r\n\r\n", ""},
  };
  for (const Case& c : cases) {
    RawHttpServer server = AnsweringWith(HttpResponse("HTTP/1.1 200 OK", "", ""));
    const std::string url = server.Url("/");
    RequestPage(url, c.options);
    ASSERT_EQ(server.Requests().size(), 1u) << c.name;
    std::string want = c.wantHead;
    want.replace(want.find("{HOST}"), 6, Host(server));
    if (const auto at = want.find("{URL}"); at != std::string::npos)
      want.replace(at, 5, url);
    EXPECT_EQ(server.Requests()[0].head, want) << c.name;
    EXPECT_EQ(server.Requests()[0].body, c.wantBody) << c.name;
  }
}

TEST(RequestPageWire, CallersHeadersAndCookiesInOrder) {
  RawHttpServer server = AnsweringWith(HttpResponse("HTTP/1.1 200 OK", "", ""));
  AnsiText headers =
      "x-first: 1\r\nconnection: keep-alive\r\nAccept: text/html\r\n"
      "x-name: " + Gbk("墨点") + "\r\nProxy-Authorization: Basic eDp5";
  AnsiText cookies = "Cookie: a=1; b=2";
  RequestPage(server.Url("/"), {.cookies = &cookies, .headers = &headers,
                                .addDefaultHeaders = false});
  ASSERT_EQ(server.Requests().size(), 1u);
  // No proxy, so the Proxy-Authorization line is not sent to the server.
  EXPECT_EQ(server.Requests()[0].head,
            "GET / HTTP/1.1\r\n" + Host(server) +
                "Cookie: a=1; b=2\r\nX-First: 1\r\nAccept: text/html\r\n"
                "X-Name: \xE5\xA2\xA8\xE7\x82\xB9\r\n\r\n");
}

TEST(RequestPageWire, ResponseHeadersStatusAndCookiesComeBack) {
  RawHttpServer server = AnsweringWith(
      "HTTP/1.1 404 Not Found\r\nContent-Length: 4\r\n"
      "Set-Cookie: a=9; path=/\r\nSet-Cookie: sid=x1\r\n"
      "Set-Cookie: b=deleted; Max-Age=0\r\nX-Text: \xE5\xA2\xA8\r\n\r\ngone");
  AnsiText cookies = "a=1; b=2; c=3";
  AnsiText received, responseHeaders;
  int status = 0;
  const ByteBlock body = RequestPage(
      server.Url("/"),
      {.cookies = &cookies, .receivedCookies = &received,
       .responseHeaders = &responseHeaders, .statusCode = &status});
  EXPECT_EQ(body, (ByteBlock{'g', 'o', 'n', 'e'}));
  EXPECT_EQ(status, 404);
  EXPECT_EQ(responseHeaders,
            "Content-Length: 4\r\nSet-Cookie: a=9; path=/\r\n"
            "Set-Cookie: sid=x1\r\nSet-Cookie: b=deleted; Max-Age=0\r\n"
            "X-Text: " + Gbk("墨") + "\r\n\r\n");
  EXPECT_EQ(received, "a=9; sid=x1; c=3");
  EXPECT_EQ(cookies, "a=9; sid=x1; c=3");
}

TEST(RequestPageWire, BodyIsReturnedAsReceivedWithoutContentDecoding) {
  const std::string gzipped("\x1F\x8B\x08\x00\x00\x00\x00\x00", 8);
  RawHttpServer server = AnsweringWith(
      HttpResponse("HTTP/1.1 200 OK", "Content-Encoding: gzip\r\n", gzipped));
  const ByteBlock body = RequestPage(server.Url("/"));
  EXPECT_EQ(std::string(body.begin(), body.end()), gzipped);
  EXPECT_EQ(server.Requests()[0].head.find("Accept-Encoding"), std::string::npos);
}

RawHttpServer Redirecting(int hops) {
  return RawHttpServer([hops](const RawRequest& request) {
    const std::string target = request.head.substr(4, request.head.find(' ', 4) - 4);
    const int hop = std::stoi(target.substr(1));
    if (hop < hops) {
      return Reply{{{0, HttpResponse("HTTP/1.1 302 Found",
                                     "Location: /" + std::to_string(hop + 1) +
                                         "\r\nX-Hop: " + std::to_string(hop) +
                                         "\r\n",
                                     "moved")}}};
    }
    return Reply{{{0, HttpResponse("HTTP/1.1 200 OK", "X-Final: yes\r\n", "final")}}};
  });
}

TEST(RequestPageWire, RedirectsFollowedOrNot) {
  struct Case {
    const char* name;
    int hops;
    bool disable;
    std::string wantBody;
    int wantStatus;
    std::string wantHeaders;
  };
  const Case cases[] = {
      {"followed, last response only", 2, false, "final", 200,
       "Content-Length: 5\r\nConnection: close\r\nX-Final: yes\r\n\r\n"},
      {"not followed", 2, true, "moved", 302,
       "Content-Length: 5\r\nConnection: close\r\nLocation: /1\r\nX-Hop: "
       "0\r\n\r\n"},
      {"ten hops are followed", 10, false, "final", 200,
       "Content-Length: 5\r\nConnection: close\r\nX-Final: yes\r\n\r\n"},
      {"eleven hops are too many", 11, false, "", 0, ""},
  };
  for (const Case& c : cases) {
    RawHttpServer server = Redirecting(c.hops);
    AnsiText headers;
    int status = -1;
    const ByteBlock body =
        RequestPage(server.Url("/0"), {.responseHeaders = &headers,
                                       .statusCode = &status,
                                       .disableRedirects = c.disable});
    EXPECT_EQ(std::string(body.begin(), body.end()), c.wantBody) << c.name;
    EXPECT_EQ(status, c.wantStatus) << c.name;
    EXPECT_EQ(headers, c.wantHeaders) << c.name;
  }
}

struct FailureCase {
  const char* name;
  Reply reply;
};

TEST(RequestPageWire, BrokenServersEndWithAnEmptyBodyAndStatusZero) {
  const std::string head =
      "HTTP/1.1 200 OK\r\nContent-Length: 100\r\nSet-Cookie: a=1\r\n\r\n";
  const FailureCase cases[] = {
      {"stalls before answering", Reply{{{20000, HttpResponse("HTTP/1.1 200 OK", "", "late")}}}},
      {"stalls inside the headers",
       Reply{{{0, "HTTP/1.1 200 OK\r\nSet-Cookie: a=1\r\n"},
              {20000, "Content-Length: 0\r\n\r\n"}}}},
      {"stalls in the body",
       Reply{{{0, head + "first part"}, {20000, std::string(90, 'x')}}}},
      {"closes in the middle of the body", Reply{{{0, head + "first part"}}}},
      {"answers with garbage", Reply{{{0, "garbage\r\n\r\n"}}}},
      {"closes without answering", Reply{}},
  };
  for (const FailureCase& c : cases) {
    RawHttpServer server([&](const RawRequest&) { return c.reply; });
    AnsiText cookies = "s=1", received = "old", headers = "old";
    int status = -1;
    const ByteBlock body = RequestPage(
        server.Url("/"),
        {.cookies = &cookies, .receivedCookies = &received,
         .responseHeaders = &headers, .statusCode = &status,
         .timeoutSeconds = 1});
    EXPECT_TRUE(body.empty()) << c.name;
    EXPECT_EQ(status, 0) << c.name;
    EXPECT_EQ(headers, "") << c.name;
    EXPECT_EQ(received, "s=1") << c.name;
  }
}

TEST(RequestPageWire, SlowButSteadyServerIsNotCutOff) {
  Reply reply{{{0, "HTTP/1.1 200 OK\r\nContent-Length: 6\r\n\r\n"}}};
  for (const char c : std::string("steady")) reply.steps.push_back({400, {c}});
  RawHttpServer server([&](const RawRequest&) { return reply; });
  int status = 0;
  const ByteBlock body =
      RequestPage(server.Url("/"), {.statusCode = &status, .timeoutSeconds = 1});
  EXPECT_EQ(std::string(body.begin(), body.end()), "steady");
  EXPECT_EQ(status, 200);
}

TEST(RequestPageWire, UnreachableOrUnusableAddressesFail) {
  const std::string refused =
      "http://127.0.0.1:" + std::to_string(testing::RefusingPort()) + "/";
  const std::string cases[] = {
      refused,
      "",
      "not an address",
      "file:///etc/hostname",
      "ftp://127.0.0.1/",
      "http://127.0.0.1:99999/",
      "http://a b\r\nX-Injected: 1/",
  };
  for (const std::string& url : cases) {
    AnsiText headers = "old";
    int status = -1;
    const ByteBlock body =
        RequestPage(url, {.responseHeaders = &headers, .statusCode = &status});
    EXPECT_TRUE(body.empty()) << url;
    EXPECT_EQ(status, 0) << url;
    EXPECT_EQ(headers, "") << url;
  }
}

TEST(RequestPageWire, NonAsciiAddressGoesAsPercentEncodedUtf8) {
  RawHttpServer server = AnsweringWith(HttpResponse("HTTP/1.1 200 OK", "", ""));
  RequestPage(server.Url(Gbk("/字 典?q=春")), {.addDefaultHeaders = false});
  ASSERT_EQ(server.Requests().size(), 1u);
  EXPECT_EQ(server.Requests()[0].head.substr(0, 45),
            "GET /%E5%AD%97%20%E5%85%B8?q=%E6%98%A5 HTTP/1");
}

TEST(RequestPageWire, AReusedObjectForgetsTheHeadersOfTheLastRequest) {
  RawHttpServer server = AnsweringWith(HttpResponse("HTTP/1.1 200 OK", "", "ok"));
  const std::optional<std::shared_ptr<RequestObject>> object = CreateRequestObject();
  ASSERT_TRUE(*object);
  AnsiText first = "X-Once: 1";
  RequestPage(server.Url("/1"), {.headers = &first, .requestObject = object,
                                 .addDefaultHeaders = false});
  AnsiText second = "X-Twice: 2";
  const ByteBlock body = RequestPage(
      server.Url("/2"),
      {.headers = &second, .requestObject = object, .addDefaultHeaders = false});
  EXPECT_EQ(body, (ByteBlock{'o', 'k'}));
  ASSERT_EQ(server.Requests().size(), 2u);
  EXPECT_EQ(server.Requests()[1].head,
            "GET /2 HTTP/1.1\r\n" + Host(server) + "X-Twice: 2\r\n\r\n");
}

TEST(RequestPageWire, HeadReadsNoBody) {
  RawHttpServer server = AnsweringWith(
      "HTTP/1.1 200 OK\r\nContent-Length: 5\r\nConnection: close\r\n\r\n");
  int status = 0;
  const ByteBlock body = RequestPage(server.Url("/"),
                                     {.method = 2, .statusCode = &status});
  EXPECT_TRUE(body.empty());
  EXPECT_EQ(status, 200);
  EXPECT_EQ(server.Requests()[0].head.substr(0, 15), "HEAD / HTTP/1.1");
}

}  // namespace
}  // namespace modian
