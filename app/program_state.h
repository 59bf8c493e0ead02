// What the program knows outside its controls: the picture lookup's two
// addresses, the compact size, and the groups of controls.
#pragma once

#include <array>
#include <optional>

#include "app/control.h"
#include "text/types.h"

namespace modian {

// Absent until the first picture lookup; each lookup replaces both, and
// OnProgramExit releases them.
extern std::optional<AnsiText> StrokeQueryUrl;
extern std::optional<AnsiText> StrokeImageUrl;

struct Size {
  int width;
  int height;
};

inline constexpr Size CompactSize = {145, 210};

inline constexpr std::array TitleStrip = {Control::外形框1, Control::透明标签1,
                                          Control::透明标签2};
inline constexpr std::array DictionaryPanel = {
    Control::外形框4, Control::透明标签5, Control::超级按钮1,
    Control::超文本浏览框3};
inline constexpr std::array AnimationPanel = {
    Control::外形框3, Control::透明标签4, Control::超级按钮8,
    Control::超文本浏览框1};
inline constexpr std::array PicturePanel = {
    Control::外形框2, Control::透明标签3, Control::超级按钮4,
    Control::超文本浏览框2};

}  // namespace modian
