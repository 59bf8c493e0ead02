// The panels' state machine as the user sees it: layouts after each opening,
// what a sequence of lookups leaves showing in the compact window, and the
// size rule on size changes the program did not make.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/handlers.h"
#include "app/program_state.h"
#include "tests/app/recording_toolkit.h"
#include "text/gbk.h"

namespace modian::test {
namespace {

using enum Control;

// The panel parts (strips and views) that the user can see: those that are
// topmost at one pixel of the window at least, in the window's stacking
// order, which the window definition lists from the top.
std::vector<std::string> PanelPartsShowing(RecordingToolkit& toolkit) {
  const Control fromTop[] = {外形框4, 超文本浏览框3, 外形框3,
                             外形框2, 超文本浏览框2, 超文本浏览框1};
  const ControlState& window = toolkit.state[MainWindow];
  std::vector<bool> seen(std::size(fromTop), false);
  for (int y = 0; y < window.height; ++y) {
    for (int x = 0; x < window.width; ++x) {
      for (std::size_t i = 0; i < std::size(fromTop); ++i) {
        const ControlState& c = toolkit.state[fromTop[i]];
        if (c.visible && x >= c.left && x < c.left + c.width && y >= c.top &&
            y < c.top + c.height) {
          seen[i] = true;
          break;
        }
      }
    }
  }
  std::vector<std::string> showing;
  for (std::size_t i = 0; i < std::size(fromTop); ++i) {
    if (seen[i]) showing.emplace_back(ControlName(fromTop[i]));
  }
  return showing;
}

struct SequenceCase {
  const char* name;
  std::vector<Control> clicks;
  std::vector<std::string> showing;
};

class SequenceTest : public testing::TestWithParam<SequenceCase> {};

TEST_P(SequenceTest, LeavesExactlyThesePartsShowing) {
  RecordingToolkit toolkit;
  ProgramMain();
  for (Control button : GetParam().clicks) toolkit.Click(button);
  EXPECT_EQ(PanelPartsShowing(toolkit), GetParam().showing);
}

const SequenceCase kSequences[] = {
    {"StartUp", {}, {}},
    {"DictionaryOpen", {按钮3}, {"外形框4", "超文本浏览框3"}},
    {"AnimationOpen", {按钮2}, {"外形框3", "超文本浏览框1"}},
    {"PictureOpen", {按钮1}, {"外形框2", "超文本浏览框2"}},
    {"DictionaryClosed", {按钮3, 超级按钮1}, {}},
    {"AnimationClosed", {按钮2, 超级按钮8}, {}},
    {"PictureClosed", {按钮1, 超级按钮4}, {}},
    {"AnimationThenDictionaryThenClose", {按钮2, 按钮3, 超级按钮1}, {"外形框3"}},
    {"PictureThenDictionaryThenClose", {按钮1, 按钮3, 超级按钮1}, {"外形框2"}},
    {"PictureThenAnimationThenClose", {按钮1, 按钮2, 超级按钮8}, {"外形框2"}},
    {"AnimationThenPictureThenClose", {按钮2, 按钮1, 超级按钮4},
     {"超文本浏览框1"}},
    // 超文本浏览框3 covers all below the strip, 外形框4 hides 外形框3.
    {"AnimationThenDictionary", {按钮2, 按钮3}, {"外形框4", "超文本浏览框3"}},
};

INSTANTIATE_TEST_SUITE_P(Lookups, SequenceTest, testing::ValuesIn(kSequences),
                         [](const auto& info) { return info.param.name; });

TEST(PanelLayoutTest, AnimationThenPictureThenCloseShowsViewOverCompact) {
  RecordingToolkit toolkit;
  ProgramMain();
  for (Control button : {按钮2, 按钮1, 超级按钮4}) toolkit.Click(button);
  const ControlState& view = toolkit.state[超文本浏览框1];
  EXPECT_EQ(view.left, -5);
  EXPECT_EQ(view.top, -5);
  EXPECT_EQ(view.width, 137);
  EXPECT_EQ(view.height, 180);
}

TEST(PanelLayoutTest, AnimationThenDictionaryThenCloseKeepsHeaderText) {
  RecordingToolkit toolkit;
  ProgramMain();
  for (Control button : {按钮2, 按钮3, 超级按钮1}) toolkit.Click(button);
  EXPECT_EQ(toolkit.state[透明标签4].text, Gbk("【春】字的笔顺"));
  EXPECT_EQ(toolkit.state[外形框3].left, 0);
  EXPECT_EQ(toolkit.state[外形框3].top, 0);
}

struct Box {
  int left, top, width, height;
  bool operator==(const Box&) const = default;
};

void PrintTo(const Box& box, std::ostream* out) {
  *out << box.width << " x " << box.height << " at (" << box.left << ", "
       << box.top << ")";
}

Box BoxOf(const ControlState& c) { return {c.left, c.top, c.width, c.height}; }

struct LayoutCase {
  const char* name;
  Control button;
  int windowWidth, windowHeight;
  Control view;
  Box viewBox;
  Box animationViewBox;  // 超文本浏览框1, sized by the window's size writes
  bool animationViewVisible;
};

class PanelLayoutByButtonTest : public testing::TestWithParam<LayoutCase> {};

TEST_P(PanelLayoutByButtonTest, WindowAndViewsEndAsIntended) {
  const LayoutCase& want = GetParam();
  RecordingToolkit toolkit;
  ProgramMain();
  toolkit.Click(want.button);
  EXPECT_EQ(toolkit.state[MainWindow].width, want.windowWidth);
  EXPECT_EQ(toolkit.state[MainWindow].height, want.windowHeight);
  EXPECT_EQ(BoxOf(toolkit.state[want.view]), want.viewBox);
  EXPECT_EQ(BoxOf(toolkit.state[超文本浏览框1]), want.animationViewBox);
  EXPECT_EQ(toolkit.state[超文本浏览框1].visible, want.animationViewVisible);
}

const LayoutCase kLayouts[] = {
    {"Dictionary", 按钮3, 610, 420, 超文本浏览框3, {-200, -80, 840, 500},
     {184, 168, 602, 390}, false},
    {"Animation", 按钮2, 500, 520, 超文本浏览框1, {-5, -5, 510, 530},
     {-5, -5, 510, 530}, true},
    {"Picture", 按钮1, 305, 335, 超文本浏览框2, {-10, 15, 1200, 1200},
     {184, 168, 297, 305}, true},
};

INSTANTIATE_TEST_SUITE_P(Panels, PanelLayoutByButtonTest,
                         testing::ValuesIn(kLayouts),
                         [](const auto& info) { return info.param.name; });

TEST(PanelLayoutTest, ClosingReturnsToCompactWithFocusAndStripKeepsPlace) {
  for (auto [button, close, strip] :
       {std::tuple{按钮3, 超级按钮1, 外形框4}, std::tuple{按钮2, 超级按钮8, 外形框3},
        std::tuple{按钮1, 超级按钮4, 外形框2}}) {
    SCOPED_TRACE(ControlName(button));
    RecordingToolkit toolkit;
    ProgramMain();
    toolkit.Click(button);
    toolkit.SetFocus(按钮3);
    toolkit.Click(close);
    EXPECT_EQ(toolkit.state[MainWindow].width, CompactSize.width);
    EXPECT_EQ(toolkit.state[MainWindow].height, CompactSize.height);
    EXPECT_EQ(toolkit.focus, 编辑框1);
    EXPECT_FALSE(toolkit.state[strip].visible);
    EXPECT_EQ(toolkit.state[strip].left, 0);
    EXPECT_EQ(toolkit.state[strip].top, 0);
  }
}

TEST(PanelLayoutTest, DictionaryTwiceGivesSameLayoutAndNavigatesAgain) {
  RecordingToolkit toolkit;
  ProgramMain();
  toolkit.Click(按钮3);
  const auto stateAfterFirst = toolkit.state;
  toolkit.operations.clear();
  toolkit.Click(按钮3);
  ASSERT_FALSE(toolkit.operations.empty());
  EXPECT_EQ(toolkit.operations.back(),
            "超文本浏览框3.address := \"https://search.test:8080/ZdSearch.asp"
            "?Query=%B4%BA&Submit=%D7%D6%B5%E4%B2%E9%D1%AF&Search=SWord\"");
  for (const auto& [control, was] : stateAfterFirst) {
    EXPECT_EQ(BoxOf(toolkit.state[control]), BoxOf(was)) << ControlName(control);
    EXPECT_EQ(toolkit.state[control].visible, was.visible) << ControlName(control);
  }
}

TEST(PanelLayoutTest, PictureViewStaysDisabledForTheRestOfTheRun) {
  RecordingToolkit toolkit;
  ProgramMain();
  for (Control button : {按钮1, 超级按钮4, 按钮3, 超级按钮1, 按钮2, 超级按钮8}) {
    toolkit.Click(button);
    EXPECT_TRUE(toolkit.state[超文本浏览框2].disabled) << ControlName(button);
  }
}

TEST(PanelLayoutTest, PictureLookupKeepsItsAddresses) {
  RecordingToolkit toolkit;
  ProgramMain();
  toolkit.Click(按钮1);
  ASSERT_TRUE(StrokeQueryUrl.has_value());
  EXPECT_EQ(*StrokeQueryUrl, "http://127.0.0.1:9/mandarin.php?q=%E6%98%A5");
  EXPECT_EQ(StrokeImageUrl, AnsiText("http.gif"));
  toolkit.Click(超级按钮4);
  toolkit.Click(按钮3);
  EXPECT_EQ(StrokeImageUrl, AnsiText("http.gif"));
  EXPECT_EQ(toolkit.state[超文本浏览框2].address, "http.gif");
}

TEST(SizeChangeTest, SizeChangeFromOutsideResizesAnimationViewEvenWhenOpen) {
  RecordingToolkit toolkit;
  ProgramMain();
  toolkit.Click(按钮2);
  ASSERT_EQ(BoxOf(toolkit.state[超文本浏览框1]), (Box{-5, -5, 510, 530}));
  // A minimise and restore reports the window's own size again.
  toolkit.ChangeSizeFromOutside(500, 520);
  EXPECT_EQ(BoxOf(toolkit.state[超文本浏览框1]), (Box{-5, -5, 492, 490}));
}

struct TypedCase {
  const char* name;
  const char* typed;  // UTF-8
  const char* dictionaryHeader;
  const char* animationHeader;
  const char* dictionaryAddress;
  const char* animationAddress;
};

class TypedCharacterTest : public testing::TestWithParam<TypedCase> {};

TEST_P(TypedCharacterTest, HeadersAndAddresses) {
  const TypedCase& want = GetParam();
  RecordingToolkit toolkit;
  ProgramMain();
  toolkit.state[编辑框1].text = Gbk(want.typed);
  toolkit.Click(按钮3);
  EXPECT_EQ(toolkit.state[透明标签5].text, Gbk(want.dictionaryHeader));
  EXPECT_EQ(toolkit.state[超文本浏览框3].address, want.dictionaryAddress);
  toolkit.Click(按钮2);
  EXPECT_EQ(toolkit.state[透明标签4].text, Gbk(want.animationHeader));
  EXPECT_EQ(toolkit.state[超文本浏览框1].address, want.animationAddress);
  toolkit.Click(按钮1);
  EXPECT_EQ(toolkit.state[透明标签3].text, Gbk(want.animationHeader));
}

const TypedCase kTyped[] = {
    {"Spring", "春", "【春】", "【春】字的笔顺",
     "https://search.test:8080/ZdSearch.asp?Query=%B4%BA"
     "&Submit=%D7%D6%B5%E4%B2%E9%D1%AF&Search=SWord",
     "https://files.test/Files/WordSwf/%E6%98%A5.swf"},
    {"LetterIsEncodedToo", "a", "【a】", "【a】字的笔顺",
     "https://search.test:8080/ZdSearch.asp?Query=%61"
     "&Submit=%D7%D6%B5%E4%B2%E9%D1%AF&Search=SWord",
     "https://files.test/Files/WordSwf/%61.swf"},
    {"Empty", "", "【】", "【】字的笔顺",
     "https://search.test:8080/ZdSearch.asp?Query="
     "&Submit=%D7%D6%B5%E4%B2%E9%D1%AF&Search=SWord",
     "https://files.test/Files/WordSwf/.swf"},
};

INSTANTIATE_TEST_SUITE_P(Characters, TypedCharacterTest,
                         testing::ValuesIn(kTyped),
                         [](const auto& info) { return info.param.name; });

TEST(TypedCharacterTest, EmptyFieldGivesBareQueryAddress) {
  RecordingToolkit toolkit;
  ProgramMain();
  toolkit.state[编辑框1].text = "";
  toolkit.Click(按钮1);
  EXPECT_EQ(StrokeQueryUrl, AnsiText("http://127.0.0.1:9/mandarin.php?q="));
  EXPECT_EQ(toolkit.state[超文本浏览框2].address, "http.gif");
}

}  // namespace
}  // namespace modian::test
