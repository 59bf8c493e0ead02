// What an HTML view sends for the address it is given: the address as
// written, percent escapes untouched, to a loopback site.
#include <gtest/gtest.h>
#include <httplib.h>

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QThread>
#include <QWebEngineProfile>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "app/qt/html_view.h"

namespace modian::test {
namespace {

class LoopbackSite {
 public:
  LoopbackSite() {
    server_.Get(".*", [this](const httplib::Request& request,
                             httplib::Response& response) {
      std::lock_guard lock(mutex_);
      targets_.push_back(request.target);
      response.set_content("<html><body>ok</body></html>", "text/html");
    });
    port_ = server_.bind_to_any_port("127.0.0.1");
    thread_ = std::thread([this] { server_.listen_after_bind(); });
  }
  ~LoopbackSite() {
    server_.stop();
    thread_.join();
  }
  int port() const { return port_; }
  std::vector<std::string> Targets() {
    std::lock_guard lock(mutex_);
    return targets_;
  }

 private:
  httplib::Server server_;
  int port_ = 0;
  std::thread thread_;
  std::mutex mutex_;
  std::vector<std::string> targets_;
};

bool WaitFor(const std::function<bool()>& done) {
  QDeadlineTimer deadline(20'000);
  while (!done()) {
    if (deadline.hasExpired()) return false;
    QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    QThread::msleep(5);
  }
  return true;
}

struct WireCase {
  const char* name;
  const char* pathAndQuery;
};

class HtmlViewWireTest : public testing::TestWithParam<WireCase> {};

TEST_P(HtmlViewWireTest, SiteReceivesTheAddressAsWritten) {
  LoopbackSite site;
  QWebEngineProfile profile;
  {
    HtmlView view(profile, nullptr);
    view.resize(300, 200);
    view.show();
    const AnsiText address = "http://127.0.0.1:" + std::to_string(site.port()) +
                             GetParam().pathAndQuery;
    view.SetAddress(address);
    EXPECT_EQ(view.Address(), address);
    ASSERT_TRUE(WaitFor([&] { return !site.Targets().empty(); }));
    EXPECT_EQ(site.Targets().front(), GetParam().pathAndQuery);
  }
}

const WireCase kWireCases[] = {
    {"GbkEscapes",
     "/ZdSearch.asp?Query=%B4%BA&Submit=%D7%D6%B5%E4%B2%E9%D1%AF&Search=SWord"},
    {"EscapedLetter",
     "/ZdSearch.asp?Query=%61&Submit=%D7%D6%B5%E4%B2%E9%D1%AF&Search=SWord"},
    {"LowerCaseHex", "/mandarin.php?q=%e6%98%a5"},
    {"Utf8Path", "/Files/WordSwf/%E6%98%A5.gif"},
};

INSTANTIATE_TEST_SUITE_P(Addresses, HtmlViewWireTest,
                         testing::ValuesIn(kWireCases),
                         [](const auto& info) { return info.param.name; });

}  // namespace
}  // namespace modian::test
