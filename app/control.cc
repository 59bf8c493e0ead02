#include "app/control.h"

namespace modian {

std::string_view ControlName(Control control) {
  switch (control) {
    case Control::MainWindow: return "MainWindow";
    case Control::外形框4: return "外形框4";
    case Control::透明标签5: return "透明标签5";
    case Control::超级按钮1: return "超级按钮1";
    case Control::超文本浏览框3: return "超文本浏览框3";
    case Control::外形框3: return "外形框3";
    case Control::透明标签4: return "透明标签4";
    case Control::超级按钮8: return "超级按钮8";
    case Control::外形框2: return "外形框2";
    case Control::透明标签3: return "透明标签3";
    case Control::超级按钮4: return "超级按钮4";
    case Control::超文本浏览框2: return "超文本浏览框2";
    case Control::超文本浏览框1: return "超文本浏览框1";
    case Control::外形框1: return "外形框1";
    case Control::透明标签2: return "透明标签2";
    case Control::透明标签1: return "透明标签1";
    case Control::按钮2: return "按钮2";
    case Control::按钮1: return "按钮1";
    case Control::编辑框1: return "编辑框1";
    case Control::按钮3: return "按钮3";
  }
  return "?";
}

std::string_view PropertyName(Property property) {
  switch (property) {
    case Property::kLeft: return "left";
    case Property::kTop: return "top";
    case Property::kWidth: return "width";
    case Property::kHeight: return "height";
    case Property::kVisible: return "visible";
    case Property::kDisabled: return "disabled";
    case Property::kText: return "text";
    case Property::kAddress: return "address";
  }
  return "?";
}

}  // namespace modian
