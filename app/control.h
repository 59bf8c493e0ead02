// The window's controls, by their names in the window definition, and the
// properties the handlers read and write.
#pragma once

#include <string_view>
#include <variant>

#include "text/types.h"

namespace modian {

enum class Control {
  MainWindow,
  外形框4,
  透明标签5,
  超级按钮1,
  超文本浏览框3,
  外形框3,
  透明标签4,
  超级按钮8,
  外形框2,
  透明标签3,
  超级按钮4,
  超文本浏览框2,
  超文本浏览框1,
  外形框1,
  透明标签2,
  透明标签1,
  按钮2,
  按钮1,
  编辑框1,
  按钮3,
};

// The control's name as the window definition spells it (UTF-8), such as
// "超文本浏览框1"; "MainWindow" for the window.
std::string_view ControlName(Control control);

enum class Property {
  kLeft,
  kTop,
  kWidth,
  kHeight,
  kVisible,
  kDisabled,
  kText,
  kAddress,
};

// "left", "top", "width", "height", "visible", "disabled", "text", "address".
std::string_view PropertyName(Property property);

// Numbers for positions and sizes, switches for visible and disabled, texts
// for a label's text, the edit field's text and a view's address.
using PropertyValue = std::variant<int, bool, AnsiText>;

}  // namespace modian
