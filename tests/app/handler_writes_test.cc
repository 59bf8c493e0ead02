// Every operation of each handler, in order, with the nested runs of
// OnMainWindowResized where the window's size is written.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/handlers.h"
#include "app/program_state.h"
#include "tests/app/recording_toolkit.h"

namespace modian::test {
namespace {

using Operations = std::vector<std::string>;

TEST(ProgramMainTest, RegistersHookBuildsCompactWindowAndRunsLoop) {
  RecordingToolkit toolkit;
  EXPECT_EQ(ProgramMain(), 0);
  EXPECT_EQ(toolkit.operations, (Operations{
                                    "register exit hook",
                                    "load window",
                                    "focus 编辑框1",
                                    "MainWindow.width := 145",
                                    "超文本浏览框1.width := 137",
                                    "超文本浏览框1.height := 212",
                                    "MainWindow.height := 210",
                                    "超文本浏览框1.width := 137",
                                    "超文本浏览框1.height := 180",
                                    "超文本浏览框1.width := 137",
                                    "超文本浏览框1.height := 180",
                                    "shown",
                                    "message loop",
                                    "window destroyed",
                                }));
}

TEST(ProgramMainTest, FirstShownCompactWithViewOutsideAndFocusInField) {
  RecordingToolkit toolkit;
  ProgramMain();
  const ControlState& window = toolkit.state[Control::MainWindow];
  EXPECT_EQ(window.width, 145);
  EXPECT_EQ(window.height, 210);
  const ControlState& view = toolkit.state[Control::超文本浏览框1];
  EXPECT_EQ(view.left, 184);
  EXPECT_EQ(view.top, 168);
  EXPECT_EQ(view.width, 137);
  EXPECT_EQ(view.height, 180);
  EXPECT_EQ(toolkit.focus, Control::编辑框1);
}

struct HandlerCase {
  const char* name;
  Control button;
  Operations want;
};

class HandlerWritesTest : public testing::TestWithParam<HandlerCase> {};

TEST_P(HandlerWritesTest, WritesEveryPropertyInOrder) {
  RecordingToolkit toolkit;
  ProgramMain();
  toolkit.operations.clear();
  toolkit.Click(GetParam().button);
  EXPECT_EQ(toolkit.operations, GetParam().want);
}

const HandlerCase kHandlerCases[] = {
    {"Dictionary",
     Control::按钮3,
     {
         "超文本浏览框3.visible := true",
         "外形框4.visible := true",
         "超文本浏览框1.visible := false",
         "超文本浏览框2.visible := false",
         "超文本浏览框3.height := 500",
         "超文本浏览框3.width := 840",
         "超文本浏览框3.left := -200",
         "超文本浏览框3.top := -80",
         "外形框4.left := 0",
         "外形框4.top := 0",
         "MainWindow.width := 610",
         "超文本浏览框1.width := 602",
         "超文本浏览框1.height := 180",
         "MainWindow.height := 420",
         "超文本浏览框1.width := 602",
         "超文本浏览框1.height := 390",
         "透明标签5.text := \"【春】\"",
         "超文本浏览框3.address := \"https://search.test:8080/ZdSearch.asp"
         "?Query=%B4%BA&Submit=%D7%D6%B5%E4%B2%E9%D1%AF&Search=SWord\"",
     }},
    {"Animation",
     Control::按钮2,
     {
         "透明标签4.text := \"【春】字的笔顺\"",
         "MainWindow.width := 500",
         "超文本浏览框1.width := 492",
         "超文本浏览框1.height := 180",
         "MainWindow.height := 520",
         "超文本浏览框1.width := 492",
         "超文本浏览框1.height := 490",
         "外形框3.visible := true",
         "外形框4.visible := false",
         "超文本浏览框3.visible := false",
         "超文本浏览框1.visible := true",
         "超文本浏览框2.visible := false",
         "外形框3.left := 0",
         "外形框3.top := 0",
         "超文本浏览框1.width := 510",
         "超文本浏览框1.height := 530",
         "超文本浏览框1.left := -5",
         "超文本浏览框1.top := -5",
         "超文本浏览框1.address := "
         "\"https://files.test/Files/WordSwf/%E6%98%A5.swf\"",
     }},
    {"Picture",
     Control::按钮1,
     {
         "透明标签3.text := \"【春】字的笔顺\"",
         "wait begins",
         "wait ends",
         "超文本浏览框2.visible := true",
         "外形框4.visible := false",
         "超文本浏览框3.visible := false",
         "外形框2.visible := true",
         "超文本浏览框2.disabled := true",
         "外形框3.visible := false",
         "超文本浏览框2.width := 1200",
         "超文本浏览框2.height := 1200",
         "超文本浏览框2.address := \"http.gif\"",
         "超文本浏览框2.left := -10",
         "超文本浏览框2.top := 15",
         "外形框2.left := 0",
         "MainWindow.width := 305",
         "超文本浏览框1.width := 297",
         "超文本浏览框1.height := 180",
         "MainWindow.height := 335",
         "超文本浏览框1.width := 297",
         "超文本浏览框1.height := 305",
     }},
    {"DictionaryClose",
     Control::超级按钮1,
     {
         "focus 编辑框1",
         "外形框4.visible := false",
         "超文本浏览框3.visible := false",
         "MainWindow.width := 145",
         "超文本浏览框1.width := 137",
         "超文本浏览框1.height := 180",
         "MainWindow.height := 210",
         "超文本浏览框1.width := 137",
         "超文本浏览框1.height := 180",
     }},
    {"AnimationClose",
     Control::超级按钮8,
     {
         "focus 编辑框1",
         "外形框3.visible := false",
         "超文本浏览框1.visible := false",
         "MainWindow.width := 145",
         "超文本浏览框1.width := 137",
         "超文本浏览框1.height := 180",
         "MainWindow.height := 210",
         "超文本浏览框1.width := 137",
         "超文本浏览框1.height := 180",
     }},
    {"PictureClose",
     Control::超级按钮4,
     {
         "focus 编辑框1",
         "外形框2.visible := false",
         "超文本浏览框2.visible := false",
         "MainWindow.width := 145",
         "超文本浏览框1.width := 137",
         "超文本浏览框1.height := 180",
         "MainWindow.height := 210",
         "超文本浏览框1.width := 137",
         "超文本浏览框1.height := 180",
     }},
};

INSTANTIATE_TEST_SUITE_P(Buttons, HandlerWritesTest,
                         testing::ValuesIn(kHandlerCases),
                         [](const auto& info) { return info.param.name; });

TEST(ExitLabelTest, PressEndsProgramAtOnceWithZero) {
  RecordingToolkit toolkit;
  ProgramMain();
  toolkit.operations.clear();
  try {
    toolkit.PressLeftButton(Control::透明标签2, 3, 4, 1 | 2 | 4);
    FAIL() << "the press returned";
  } catch (const ProgramEnded& ended) {
    EXPECT_EQ(ended.exitCode, 0);
  }
  EXPECT_EQ(toolkit.operations, (Operations{"end program 0"}));
}

TEST(ProgramExitTest, ReleasesBothAddresses) {
  RecordingToolkit toolkit;
  ProgramMain();
  toolkit.Click(Control::按钮1);
  ASSERT_TRUE(StrokeQueryUrl.has_value());
  ASSERT_TRUE(StrokeImageUrl.has_value());
  toolkit.RunExitHooks();
  EXPECT_FALSE(StrokeQueryUrl.has_value());
  EXPECT_FALSE(StrokeImageUrl.has_value());
}

TEST(ProgramExitTest, WithoutPictureLookupBothStayAbsent) {
  RecordingToolkit toolkit;
  ProgramMain();
  EXPECT_FALSE(StrokeQueryUrl.has_value());
  EXPECT_FALSE(StrokeImageUrl.has_value());
  toolkit.RunExitHooks();
  EXPECT_FALSE(StrokeQueryUrl.has_value());
  EXPECT_FALSE(StrokeImageUrl.has_value());
}

}  // namespace
}  // namespace modian::test
