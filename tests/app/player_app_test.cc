// The real program: a click on "动画" plays the character's animation from
// the dictionary file host, or shows the message when the host has none.
#include <QColor>
#include <QImage>
#include <QPoint>
#include <QString>

#include <gtest/gtest.h>

#include "tests/app/player_program.h"
#include "tests/app/player_site.h"
#include "tests/app/player_swf_writer.h"
#include "tests/app/player_view.h"

namespace modian::test {
namespace {

constexpr Rgb kBackground{0x10, 0xA0, 0x50};
constexpr Rgb kFill{0xC0, 0x20, 0xB0};
const QColor kMessageColour(0xFF, 0xF6, 0xDC);

// 按钮2 "动画" lies at (52, 163), 40 × 32, in the compact window.
constexpr QPoint kAnimationButton(72, 179);
// In the 500 × 520 animation panel the view, 510 × 530 at (−5, −5), shows the
// middle of a square stage at the window's (250, 260); the stage reaches
// past the window's sides.
constexpr QPoint kStageMiddle(250, 260);
constexpr QPoint kStageLeft(20, 260);
constexpr QPoint kViewLowerLeft(20, 505);

QColor ToColour(Rgb rgb) { return QColor(rgb.red, rgb.green, rgb.blue); }

std::map<std::string, SiteFile> SiteWithSpring() {
  SwfMovie movie;
  movie.widthPixels = 240;
  movie.heightPixels = 240;
  movie.background = kBackground;
  movie.fill = kFill;
  movie.frames = 6;
  return {{"/Files/WordSwf/春.swf", {"application/x-shockwave-flash", WriteSwf(movie)}}};
}

// Waits until the window shows `want` at `point`; gives the last picture.
QImage WaitForColour(const RunningProgram& program, QPoint point, QColor want) {
  QImage picture;
  WaitUntil(
      [&] {
        picture = program.Picture();
        return picture.rect().contains(point) &&
               NearColour(picture.pixelColor(point), want, 12);
      },
      60'000);
  return picture;
}

std::string ColourAt(const QImage& picture, QPoint point) {
  if (!picture.rect().contains(point)) return "outside the picture";
  return picture.pixelColor(point).name().toStdString();
}

struct ProgramCase {
  const char* name;
  bool siteHasFile;
};

class AnimationPanelTest : public testing::TestWithParam<ProgramCase> {};

TEST_P(AnimationPanelTest, ClickOnAnimationShowsWhatTheHostHas) {
  LoopbackSite site(GetParam().siteHasFile ? SiteWithSpring()
                                           : std::map<std::string, SiteFile>{});
  ASSERT_TRUE(site.ok());
  RunningProgram program(
      MODIAN_PROGRAM_PATH,
      {"MODIAN_DICTIONARY_FILE_HOST=" + QString::fromStdString(site.host())});
  ASSERT_TRUE(program.ok());
  ASSERT_TRUE(program.ClickAt(kAnimationButton));
  ASSERT_TRUE(WaitUntil([&] { return program.WindowRect().size() == QSize(500, 520); },
                        20'000))
      << "running " << program.running() << ", window " << program.WindowRect().width() << "x" << program.WindowRect().height();

  if (GetParam().siteHasFile) {
    const QImage picture = WaitForColour(program, kStageMiddle, ToColour(kFill));
    EXPECT_TRUE(NearColour(picture.pixelColor(kStageMiddle), ToColour(kFill), 12))
        << ColourAt(picture, kStageMiddle);
    EXPECT_TRUE(NearColour(picture.pixelColor(kStageLeft), ToColour(kBackground), 12))
        << ColourAt(picture, kStageLeft);
    if (const char* shot = std::getenv("MODIAN_PLAYER_SCREENSHOT")) picture.save(shot);
  } else {
    const QImage picture = WaitForColour(program, kViewLowerLeft, kMessageColour);
    EXPECT_TRUE(NearColour(picture.pixelColor(kViewLowerLeft), kMessageColour, 12))
        << ColourAt(picture, kViewLowerLeft);
  }
  EXPECT_GE(site.requestCount(), 1);
  EXPECT_TRUE(program.running());
}

INSTANTIATE_TEST_SUITE_P(
    Sites, AnimationPanelTest,
    testing::Values(ProgramCase{"FilePlays", true}, ProgramCase{"FileMissing", false}),
    [](const testing::TestParamInfo<ProgramCase>& info) { return info.param.name; });

}  // namespace
}  // namespace modian::test
