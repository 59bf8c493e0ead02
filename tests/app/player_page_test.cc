// The player page in a bare view: a generated animation plays in its colours,
// and a file that cannot be had gives the message instead.
#include <QColor>
#include <QImage>
#include <QString>
#include <QUrl>

#include <gtest/gtest.h>

#include "tests/app/player_site.h"
#include "tests/app/player_swf_writer.h"
#include "tests/app/player_view.h"

namespace modian::test {
namespace {

constexpr Rgb kBackground{0x20, 0x60, 0xE0};
constexpr Rgb kFill{0xF0, 0x80, 0x10};

QColor ToColour(Rgb rgb) { return QColor(rgb.red, rgb.green, rgb.blue); }

std::map<std::string, SiteFile> SiteFiles() {
  SwfMovie movie;
  movie.widthPixels = 300;
  movie.heightPixels = 300;
  movie.background = kBackground;
  movie.fill = kFill;
  const std::string swf = WriteSwf(movie);
  return {
      {"/Files/WordSwf/春.swf", {"application/x-shockwave-flash", swf}},
      {"/Files/WordSwf/page.swf", {"text/html", "<html><body>moved</body></html>"}},
      {"/Files/WordSwf/empty.swf", {"application/x-shockwave-flash", ""}},
      {"/Files/WordSwf/broken.swf",
       {"application/x-shockwave-flash", "FWS\x0a\xff\xff\xff\x7f" + std::string(64, '\xee')}},
      {"/Files/WordSwf/huge.swf",
       {"application/x-shockwave-flash", "FWS\x0a" + std::string(33 * 1024 * 1024, '\0')}},
  };
}

QUrl SiteAddress(const LoopbackSite& site, const char* path) {
  return QUrl(QString::fromStdString("https://" + site.host() + path));
}

TEST(PlayerPageTest, PlaysTheAnimationInItsColours) {
  LoopbackSite site(SiteFiles());
  ASSERT_TRUE(site.ok());
  PlayerView player;
  ASSERT_EQ(player.Open(SiteAddress(site, "/Files/WordSwf/%E6%98%A5.swf")),
            "playing");
  EXPECT_EQ(player.Evaluate("String(document.getElementById('message').hidden)"),
            "true");

  const QImage picture = player.Picture();
  ASSERT_FALSE(picture.isNull());
  // The shape covers the middle of the stage; the stage, letterboxed into the
  // taller view, spans its whole width.
  const QPoint middle(picture.width() / 2, picture.height() / 2);
  EXPECT_TRUE(NearColour(picture.pixelColor(middle), ToColour(kFill)))
      << picture.pixelColor(middle).name().toStdString();
  const QPoint stageEdge(picture.width() / 10, picture.height() / 2);
  EXPECT_TRUE(NearColour(picture.pixelColor(stageEdge), ToColour(kBackground)))
      << picture.pixelColor(stageEdge).name().toStdString();
}

struct MissingCase {
  const char* name;
  const char* path;  // nullptr: a host where nothing listens
};

class PlayerMessageTest : public testing::TestWithParam<MissingCase> {};

TEST_P(PlayerMessageTest, ShowsTheMessageInsteadOfABlankView) {
  LoopbackSite site(SiteFiles());
  ASSERT_TRUE(site.ok());
  const QUrl address =
      GetParam().path == nullptr
          ? QUrl("https://127.0.0.1:1/Files/WordSwf/%E6%98%A5.swf")
          : SiteAddress(site, GetParam().path);
  PlayerView player;
  ASSERT_EQ(player.Open(address), "failed");
  EXPECT_EQ(player.Evaluate("String(document.getElementById('message').hidden)"),
            "false");
  EXPECT_EQ(player.Evaluate("document.querySelector('#message .headline').textContent"),
            QString::fromUtf8("这个字的笔顺动画没能打开。"));
  EXPECT_EQ(player.Evaluate("String(document.getElementById('stage').childElementCount)"),
            "0");
  const QImage picture = player.Picture(200);
  EXPECT_TRUE(NearColour(picture.pixelColor(10, picture.height() - 10), QColor(0xFF, 0xF6, 0xDC)))
      << picture.pixelColor(10, picture.height() - 10).name().toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Failures, PlayerMessageTest,
    testing::Values(MissingCase{"NotFound", "/Files/WordSwf/%E9%A3%8E.swf"},
                    MissingCase{"NotASwfFile", "/Files/WordSwf/page.swf"},
                    MissingCase{"EmptyBody", "/Files/WordSwf/empty.swf"},
                    MissingCase{"BrokenSwf", "/Files/WordSwf/broken.swf"},
                    MissingCase{"OverTheSizeLimit", "/Files/WordSwf/huge.swf"},
                    MissingCase{"NoEncodedCharacter", "/Files/WordSwf/.swf"},
                    MissingCase{"UnreachableHost", nullptr}),
    [](const testing::TestParamInfo<MissingCase>& info) { return info.param.name; });

}  // namespace
}  // namespace modian::test
