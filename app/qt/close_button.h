// The flat "关闭" button of a panel's header strip.
#pragma once

#include <QPushButton>

namespace modian {

// White on black; black on white under the mouse; black on light grey with
// the keyboard focus. A thin border and no focus rectangle.
QPushButton* CreateCloseButton(QWidget* parent);

}  // namespace modian
