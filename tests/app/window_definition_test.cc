// The window definition's own consistency: stacking numbers, parents, and
// the groups the panels are made of.
#include <gtest/gtest.h>

#include <map>

#include "app/program_state.h"
#include "app/window_definition.h"

namespace modian::test {
namespace {

TEST(WindowDefinitionTest, StackNumbersCountFromOneInTableOrderPerParent) {
  std::map<Control, int> lastStack;
  for (const ControlDefinition& row : MainWindowDefinition().controls) {
    EXPECT_EQ(row.stack, lastStack[row.parent] + 1) << ControlName(row.name);
    lastStack[row.parent] = row.stack;
  }
}

TEST(WindowDefinitionTest, EveryParentIsTheWindowOrAnEarlierStrip) {
  const WindowDefinition& window = MainWindowDefinition();
  for (std::size_t i = 0; i < window.controls.size(); ++i) {
    const ControlDefinition& row = window.controls[i];
    if (row.parent == Control::MainWindow) continue;
    const ControlDefinition* parent = FindControl(window, row.parent);
    ASSERT_NE(parent, nullptr) << ControlName(row.name);
    EXPECT_EQ(parent->kind, Kind::kStrip) << ControlName(row.name);
    EXPECT_LT(parent - window.controls.data(), static_cast<std::ptrdiff_t>(i));
  }
}

TEST(WindowDefinitionTest, EachControlOnceAndGroupsHoldDefinedControls) {
  const WindowDefinition& window = MainWindowDefinition();
  std::map<Control, int> seen;
  for (const ControlDefinition& row : window.controls) ++seen[row.name];
  for (const auto& [control, count] : seen) EXPECT_EQ(count, 1);
  for (Control part : TitleStrip) EXPECT_EQ(seen[part], 1);
  for (Control part : DictionaryPanel) EXPECT_EQ(seen[part], 1);
  for (Control part : AnimationPanel) EXPECT_EQ(seen[part], 1);
  for (Control part : PicturePanel) EXPECT_EQ(seen[part], 1);
  EXPECT_EQ(FindControl(window, Control::MainWindow), nullptr);
}

}  // namespace
}  // namespace modian::test
