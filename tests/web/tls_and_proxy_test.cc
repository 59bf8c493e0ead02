// The libcurl request object over TLS with self-signed certificates made at
// test time, and through a loopback forward proxy that checks Basic
// credentials.
#include <httplib.h>

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "tests/web/raw_http_server.h"
#include "tests/web/test_certificate.h"
#include "web/request_object.h"
#include "web/request_page.h"

namespace modian {
namespace {

using testing::HttpResponse;
using testing::MakeSelfSignedCertificate;
using testing::RawHttpServer;
using testing::RawRequest;
using testing::Reply;
using testing::TestCertificate;

class HttpsServer {
 public:
  explicit HttpsServer(const TestCertificate& certificate)
      : server_(certificate.certificate.get(), certificate.key.get()) {
    server_.Get("/secure", [](const httplib::Request& request,
                              httplib::Response& response) {
      response.set_content("secure " + request.get_header_value("Cookie"),
                           "text/plain");
    });
    port_ = server_.bind_to_any_port("127.0.0.1");
    thread_ = std::thread([this] { server_.listen_after_bind(); });
    while (!server_.is_running()) {
      std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
  }
  ~HttpsServer() {
    server_.stop();
    thread_.join();
  }

  int Port() const { return port_; }
  std::string Url() const {
    return "https://127.0.0.1:" + std::to_string(port_) + "/secure";
  }

 private:
  httplib::SSLServer server_;
  int port_ = 0;
  std::thread thread_;
};

struct Certificates {
  TestCertificate rightName = MakeSelfSignedCertificate("IP:127.0.0.1", -1, 30);
  TestCertificate wrongName = MakeSelfSignedCertificate("DNS:other.test", -1, 30);
  TestCertificate expired = MakeSelfSignedCertificate("IP:127.0.0.1", -30, -1);
};

const Certificates& TestCertificates() {
  static const Certificates made;
  return made;
}

TEST(RequestPageTls, SelfSignedServerAnswersThroughTheRoutine) {
  HttpsServer server(TestCertificates().rightName);
  AnsiText cookies = "a=1";
  int status = 0;
  const ByteBlock body =
      RequestPage(server.Url(), {.cookies = &cookies, .statusCode = &status});
  EXPECT_EQ(std::string(body.begin(), body.end()), "secure a=1");
  EXPECT_EQ(status, 200);
}

TEST(CurlRequestObjectTls, IgnoresOnlyTheCertificateErrorsItIsTold) {
  enum Which { kRightName, kWrongName, kExpired };
  struct Case {
    const char* name;
    Which certificate;
    int flags;
    bool goesThrough;
  };
  const Case cases[] = {
      {"untrusted, nothing ignored", kRightName, 0, false},
      {"untrusted, all ignored", kRightName, 0x3300, true},
      {"untrusted, chain errors ignored", kRightName, 0x2300, true},
      {"untrusted, only the name ignored", kRightName, 0x1000, false},
      {"untrusted, an unknown flag makes the option fail", kRightName,
       0x3300 | 0x4, false},
      {"wrong name, chain errors ignored", kWrongName, 0x2300, false},
      {"wrong name, all ignored", kWrongName, 0x3300, true},
      {"expired, all ignored", kExpired, 0x3300, true},
      {"expired, all but the date ignored", kExpired, 0x1300, false},
  };
  const Certificates& certificates = TestCertificates();
  const TestCertificate* byKind[] = {&certificates.rightName,
                                     &certificates.wrongName,
                                     &certificates.expired};
  for (const Case& c : cases) {
    HttpsServer server(*byKind[c.certificate]);
    const std::shared_ptr<RequestObject> request = CreateRequestObject();
    ASSERT_TRUE(request);
    request->SetTimeouts(5000, 5000, 5000, 5000);
    request->Open("GET", server.Url());
    request->SetOption(kOptionSslErrorIgnoreFlags, c.flags);
    request->Send(std::string_view());
    EXPECT_EQ(request->Status(), c.goesThrough ? 200 : 0) << c.name;
    const ByteBlock body = request->ResponseBody();
    EXPECT_EQ(std::string(body.begin(), body.end()),
              c.goesThrough ? "secure " : "")
        << c.name;
  }
}

constexpr char kCredentials[] = "Proxy-Authorization: Basic dXNlcjpwYSBzcw==\r\n";

// A forward proxy that lets through only the user "user" with the password
// "pa ss": plain requests it answers itself, CONNECT it tunnels to `tlsPort`.
RawHttpServer CheckingProxy(int tlsPort) {
  return RawHttpServer([tlsPort](const RawRequest& request) {
    if (request.head.find(kCredentials) == std::string::npos) {
      return Reply{{{0, HttpResponse("HTTP/1.1 407 Proxy Authentication Required",
                                     "Proxy-Authenticate: Basic realm=\"t\"\r\n",
                                     "who are you")}}};
    }
    if (request.head.rfind("CONNECT ", 0) == 0) {
      return Reply{{{0, "HTTP/1.1 200 Connection established\r\n\r\n"}}, tlsPort};
    }
    return Reply{{{0, HttpResponse("HTTP/1.1 200 OK", "", "via proxy")}}};
  });
}

struct ProxyOutcome {
  std::string body;
  int status = -1;
};

ProxyOutcome ThroughProxy(const RawHttpServer& proxy, const std::string& url,
                          const AnsiText& user, const AnsiText& password,
                          int authMode = 1) {
  AnsiText cookies = "a=1";
  ProxyOutcome outcome;
  const ByteBlock body = RequestPage(
      url, {.cookies = &cookies, .statusCode = &outcome.status,
            .proxy = "127.0.0.1:" + std::to_string(proxy.Port()),
            .timeoutSeconds = 5, .proxyUser = user, .proxyPassword = password,
            .proxyAuthMode = authMode});
  outcome.body.assign(body.begin(), body.end());
  return outcome;
}

TEST(RequestPageProxy, PlainRequestCarriesTheCredentialsOnce) {
  RawHttpServer proxy = CheckingProxy(0);
  const ProxyOutcome outcome =
      ThroughProxy(proxy, "http://origin.test/x?q=1", "user", "pa ss");
  EXPECT_EQ(outcome.body, "via proxy");
  EXPECT_EQ(outcome.status, 200);
  ASSERT_EQ(proxy.Requests().size(), 1u);
  const std::string head = proxy.Requests()[0].head;
  EXPECT_EQ(head.rfind("GET http://origin.test/x?q=1 HTTP/1.1\r\nHost: origin.test\r\n", 0), 0u)
      << head;
  EXPECT_EQ(head.find(kCredentials), head.rfind(kCredentials)) << head;
  EXPECT_EQ(head.find("Proxy-Connection"), std::string::npos) << head;
  EXPECT_NE(head.find("\r\nCookie: a=1\r\n"), std::string::npos) << head;
}

TEST(RequestPageProxy, WrongOrMissingCredentialsAreRefusedByTheProxy) {
  RawHttpServer proxy = CheckingProxy(0);
  const struct {
    const char* name;
    AnsiText user, password;
    int mode;
  } cases[] = {
      {"wrong password", "user", "pass", 1},
      {"no user", "", "pa ss", 1},
      {"auth mode 0", "user", "pa ss", 0},
  };
  for (const auto& c : cases) {
    const ProxyOutcome outcome =
        ThroughProxy(proxy, "http://origin.test/", c.user, c.password, c.mode);
    EXPECT_EQ(outcome.status, 407) << c.name;
    EXPECT_EQ(outcome.body, "who are you") << c.name;
  }
}

TEST(RequestPageProxy, HttpsGoesThroughAnAuthenticatedTunnel) {
  HttpsServer origin(TestCertificates().rightName);
  RawHttpServer proxy = CheckingProxy(origin.Port());
  const ProxyOutcome outcome = ThroughProxy(proxy, origin.Url(), "user", "pa ss");
  EXPECT_EQ(outcome.body, "secure a=1");
  EXPECT_EQ(outcome.status, 200);
  ASSERT_EQ(proxy.Requests().size(), 1u);
  const std::string target = "127.0.0.1:" + std::to_string(origin.Port());
  // Only the proxy's own header goes in the CONNECT: no cookie, no referrer.
  EXPECT_EQ(proxy.Requests()[0].head, "CONNECT " + target + " HTTP/1.1\r\nHost: " +
                                          target + "\r\n" + kCredentials + "\r\n");
}

TEST(RequestPageProxy, RefusedTunnelEndsWithNothing) {
  HttpsServer origin(TestCertificates().rightName);
  RawHttpServer proxy = CheckingProxy(origin.Port());
  const ProxyOutcome outcome = ThroughProxy(proxy, origin.Url(), "user", "wrong");
  EXPECT_EQ(outcome.body, "");
  EXPECT_EQ(outcome.status, 0);
}

}  // namespace
}  // namespace modian
