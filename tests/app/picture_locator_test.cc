// The picture's address cut out of stroke-order pages, and the lookup's one
// request as the stroke-order site receives it.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <mutex>
#include <string>

#include "app/handlers.h"
#include "app/picture_locator.h"
#include "app/program_state.h"
#include "tests/app/recording_toolkit.h"
#include "tests/web/raw_http_server.h"
#include "text/bytes.h"
#include "text/gbk.h"

namespace modian {
namespace {

namespace site = modian::testing;

std::string Fixture(const std::string& name) {
  std::ifstream file(std::string(MODIAN_PICTURE_FIXTURES) + "/" + name,
                     std::ios::binary);
  EXPECT_TRUE(file) << name;
  return {std::istreambuf_iterator<char>(file), {}};
}

ByteBlock Bytes(const std::string& text) {
  return ByteBlock(text.begin(), text.end());
}

struct PageCase {
  const char* fixture;
  const char* character;  // UTF-8; the locator gets its GBK bytes
  AnsiText want;
};

class PictureAddressInPage : public ::testing::TestWithParam<PageCase> {};

TEST_P(PictureAddressInPage, IsCutBetweenTheCharacterMarkers) {
  const PageCase& row = GetParam();
  EXPECT_EQ(PictureAddressIn(Bytes(Fixture(row.fixture)), Gbk(row.character)),
            row.want)
      << row.fixture;
}

INSTANTIATE_TEST_SUITE_P(
    Fixtures, PictureAddressInPage,
    ::testing::Values(
        // The picture's own name is percent-encoded UTF-8 and comes out GBK.
        PageCase{"worked_example.html", "春",
                 "http://stroke.example/gif/" + Gbk("春") + ".gif"},
        PageCase{"marker_twice.html", "春",
                 "http://stroke.example/gif/chun.gif"},
        PageCase{"http_twice.html", "春",
                 "http://stroke.example/gif/second.gif"},
        PageCase{"https_address.html", "春",
                 "https://stroke.example/gif/secure.gif"},
        PageCase{"no_marker.html", "春", "http.gif"},
        PageCase{"zero_byte.html", "春", "http.gif"},
        PageCase{"malformed.html", "春",
                 "http://stroke.example/gif/" + Gbk("春") + ".gif"},
        PageCase{"bare_markers.html", "", "http://stroke.example/gif/blank.gif"},
        // Another character's markers are not this one's.
        PageCase{"worked_example.html", "夏", "http.gif"}));

TEST(PictureAddressIn, EmptyPageLeavesTheBareMarkers) {
  EXPECT_EQ(PictureAddressIn({}, Gbk("春")), "http.gif");
}

// The stroke-order site on loopback; MODIAN_STROKE_ORDER_HOST points at it
// before the first lookup (the program reads its hosts once).
struct Site {
  std::mutex mutex;
  site::Reply reply;

  void Answer(site::Reply next) {
    std::lock_guard lock(mutex);
    reply = std::move(next);
  }
};

Site& TheSite() {
  static Site site;
  return site;
}

site::RawHttpServer& Server() {
  static site::RawHttpServer server([](const site::RawRequest&) {
    std::lock_guard lock(TheSite().mutex);
    return TheSite().reply;
  });
  return server;
}

class PictureLookup : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    const std::string host = "127.0.0.1:" + std::to_string(Server().Port());
    setenv("MODIAN_STROKE_ORDER_HOST", host.c_str(), 1);
  }

  void SetUp() override {
    toolkit_.state[Control::编辑框1].text = Gbk("春");
  }

  void TearDown() override { OnProgramExit(); }

  static site::Reply Page(std::string_view statusLine,
                             const std::string& body) {
    return {.steps = {{.bytes = site::HttpResponse(
                           statusLine, "Content-Type: text/html\r\n", body)}}};
  }

  test::RecordingToolkit toolkit_;
};

TEST_F(PictureLookup, AsksTheSiteOnceWithTheDefaultHeaders) {
  TheSite().Answer(Page("HTTP/1.1 200 OK", Fixture("worked_example.html")));
  const std::size_t before = Server().Requests().size();

  LocateStrokePicture();

  const auto requests = Server().Requests();
  ASSERT_EQ(requests.size(), before + 1);
  const std::string host = "127.0.0.1:" + std::to_string(Server().Port());
  const std::string query = "http://" + host + "/mandarin.php?q=%E6%98%A5";
  EXPECT_EQ(requests.back().head,
            "GET /mandarin.php?q=%E6%98%A5 HTTP/1.1\r\n"
            "Host: " + host + "\r\n"
            "Accept: */*\r\n"
            "Referer: " + query + "\r\n"
            "Accept-Language: zh-cn\r\n"
            "User-Agent: Mozilla/4.0 (compatible; MSIE 9.0; Windows NT 6.1)\r\n"
            "\r\n");
  EXPECT_EQ(StrokeQueryUrl, query);
  EXPECT_EQ(StrokeImageUrl, "http://stroke.example/gif/" + Gbk("春") + ".gif");
}

TEST_F(PictureLookup, ErrorPageIsCutLikeAnyOther) {
  TheSite().Answer(Page("HTTP/1.1 404 Not Found", Fixture("http_twice.html")));
  LocateStrokePicture();
  EXPECT_EQ(StrokeImageUrl, "http://stroke.example/gif/second.gif");
}

TEST_F(PictureLookup, SiteThatHangsUpLeavesHttpGif) {
  TheSite().Answer({.steps = {}});
  LocateStrokePicture();
  EXPECT_EQ(StrokeImageUrl, "http.gif");
  EXPECT_TRUE(StrokeQueryUrl->ends_with("/mandarin.php?q=%E6%98%A5"));
}

TEST_F(PictureLookup, EmptyEditFieldAsksWithAnEmptyQuery) {
  toolkit_.state[Control::编辑框1].text = "";
  TheSite().Answer(Page("HTTP/1.1 200 OK", Fixture("bare_markers.html")));
  LocateStrokePicture();
  EXPECT_TRUE(StrokeQueryUrl->ends_with("/mandarin.php?q="));
  EXPECT_EQ(StrokeImageUrl, "http://stroke.example/gif/blank.gif");
}

TEST_F(PictureLookup, OpensThePanelOnTheAddressFound) {
  TheSite().Answer(Page("HTTP/1.1 200 OK", Fixture("https_address.html")));
  OnPictureClicked();
  EXPECT_EQ(toolkit_.state[Control::超文本浏览框2].address,
            "https://stroke.example/gif/secure.gif");
  EXPECT_EQ(toolkit_.state[Control::MainWindow].width, 305);
  EXPECT_EQ(toolkit_.state[Control::MainWindow].height, 335);
}

TEST_F(PictureLookup, GlobalsKeepTheirValuesUntilTheNextLookup) {
  TheSite().Answer(Page("HTTP/1.1 200 OK", Fixture("marker_twice.html")));
  LocateStrokePicture();
  TheSite().Answer({.steps = {}});
  EXPECT_EQ(StrokeImageUrl, "http://stroke.example/gif/chun.gif");
  LocateStrokePicture();
  EXPECT_EQ(StrokeImageUrl, "http.gif");
  OnProgramExit();
  EXPECT_FALSE(StrokeQueryUrl.has_value());
  EXPECT_FALSE(StrokeImageUrl.has_value());
}

}  // namespace
}  // namespace modian
