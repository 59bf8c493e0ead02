// The player's URL mapping and the checks on what it fetches.
#include <QString>
#include <QUrl>

#include <gtest/gtest.h>

#include "app/player/player_files.h"
#include "app/player/swf_fetch.h"
#include "app/qt/swf_player.h"

namespace modian {
namespace {

struct PageCase {
  const char* address;
  bool playsInPlayer;
};

class PageUrlForTest : public testing::TestWithParam<PageCase> {};

TEST_P(PageUrlForTest, MapsSwfAddressesToThePlayerAndBack) {
  const QUrl address(QString::fromUtf8(GetParam().address));
  const QUrl page = PageUrlFor(address);
  if (!GetParam().playsInPlayer) {
    EXPECT_EQ(page, address);
    EXPECT_TRUE(AddressPlayedBy(page).isEmpty());
    return;
  }
  EXPECT_EQ(page.scheme(), "modian-player");
  EXPECT_EQ(AddressPlayedBy(page), address) << page.toString().toStdString();
  // What the view loads must survive a round trip through its encoded form.
  EXPECT_EQ(AddressPlayedBy(QUrl(page.toString(QUrl::FullyEncoded))), address);
}

INSTANTIATE_TEST_SUITE_P(
    Addresses, PageUrlForTest,
    testing::Values(
        PageCase{"https://files.example/Files/WordSwf/%E6%98%A5.swf", true},
        PageCase{"https://files.example/Files/WordSwf/.swf", true},
        PageCase{"http://127.0.0.1:8080/a.SWF", true},
        PageCase{"https://h.example/a.swf?x=1&y=a+b#frag", true},
        PageCase{"https://h.example/a%26b%3Dc.swf", true},
        PageCase{"https://h.example/swf/page.html", false},
        PageCase{"https://h.example/a.swf/", false},
        PageCase{"https://h.example/a.swfx", false},
        PageCase{"file:///tmp/a.swf", false},
        PageCase{"ftp://h.example/a.swf", false},
        PageCase{"about:blank", false},
        PageCase{"", false}));

TEST(AddressPlayedByTest, IgnoresOtherPagesOfTheScheme) {
  for (const char* url : {
           "modian-player://player/ruffle/ruffle.js",
           "modian-player://player/play.html",
           "modian-player://player/play.html?src=file%3A%2F%2F%2Fetc%2Fa.swf",
           "modian-player://other/play.html?src=https%3A%2F%2Fh%2Fa.swf",
           "https://player/play.html?src=https%3A%2F%2Fh%2Fa.swf",
       }) {
    EXPECT_TRUE(AddressPlayedBy(QUrl(url)).isEmpty()) << url;
  }
}

TEST(IsLoopbackHostTest, AcceptsOnlyThisMachine) {
  const struct {
    const char* host;
    bool loopback;
  } cases[] = {
      {"127.0.0.1", true},    {"127.8.9.10", true}, {"localhost", true},
      {"LocalHost", true},    {"::1", true},        {"[::1]", true},
      {"128.0.0.1", false},   {"10.0.0.1", false},  {"localhost.example", false},
      {"example.com", false}, {"", false},          {"127.0.0.1.example", false},
  };
  for (const auto& [host, loopback] : cases) {
    EXPECT_EQ(IsLoopbackHost(QString::fromLatin1(host)), loopback) << host;
  }
}

TEST(StartsLikeSwfTest, KnowsTheThreeSignatures) {
  const struct {
    QByteArray head;
    bool swf;
  } cases[] = {
      {"FWS\x0a", true}, {"CWS\x0a", true}, {"ZWS\x0d", true},
      {"FWS", true},     {"FW", false},     {"", false},
      {"<html>", false}, {"fws\x0a", false}, {"GWS\x0a", false},
  };
  for (const auto& [head, swf] : cases) {
    EXPECT_EQ(StartsLikeSwf(head), swf) << head.toStdString();
  }
}

TEST(PlayerFileContentTypeTest, FollowsTheExtension) {
  const struct {
    const char* path;
    const char* type;
  } cases[] = {
      {"/play.html", "text/html;charset=utf-8"},
      {"/ruffle/ruffle.js", "text/javascript;charset=utf-8"},
      {"/play.css", "text/css;charset=utf-8"},
      {"/ruffle/826bb0938097485a2c9d.wasm", "application/wasm"},
      {"/ruffle/X.WASM", "application/wasm"},
      {"/ruffle/LICENSE_MIT", "application/octet-stream"},
      {"", "application/octet-stream"},
  };
  for (const auto& [path, type] : cases) {
    EXPECT_EQ(PlayerFileContentType(QString::fromLatin1(path)), QByteArray(type))
        << path;
  }
}

}  // namespace
}  // namespace modian
