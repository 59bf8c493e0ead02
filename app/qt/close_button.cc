#include "app/qt/close_button.h"

namespace modian {

QPushButton* CreateCloseButton(QWidget* parent) {
  auto* button = new QPushButton(parent);
  button->setFlat(true);
  button->setAutoDefault(false);
  button->setDefault(false);
  button->setCheckable(false);
  // The mouse-over rule comes last so that it wins over the focus colours.
  button->setStyleSheet(QStringLiteral(
      "QPushButton { color: rgb(255,255,255); background: rgb(0,0,0);"
      " border: 1px solid rgb(128,128,128); outline: none; padding: 0; }"
      "QPushButton:focus { color: rgb(0,0,0); background: rgb(240,240,240); }"
      "QPushButton:hover { color: rgb(0,0,0); background: rgb(255,255,255); }"));
  return button;
}

}  // namespace modian
