#include "app/window_definition.h"

#include "app/handlers.h"
#include "text/gbk.h"

namespace modian {

namespace {

using enum Control;
using enum Kind;

WindowDefinition BuildMainWindow() {
  const AnsiText placeholder = Gbk("【风】字的笔顺");
  const AnsiText close = Gbk("关闭");
  return {
      .title = Gbk("墨点"),
      .width = 697,
      .height = 242,
      .onCreated = OnMainWindowCreated,
      .onResized = OnMainWindowResized,
      .controls = {
          // control     kind          parent      stack left  top  width height text         event
          {外形框4,       kStrip,       MainWindow, 1,    168,  80,  1800, 30,    {},          NoEvent{}},
          {透明标签5,     kLabel,       外形框4,    1,    16,   0,   96,   30,    placeholder, NoEvent{}},
          {超级按钮1,     kCloseButton, 外形框4,    2,    571,  0,   48,   30,    close,       Clicked{OnDictionaryPanelClosed}},
          {超文本浏览框3, kHtmlView,    MainWindow, 2,    392,  168, 104,  64,    {},          NoEvent{}},
          {外形框3,       kStrip,       MainWindow, 3,    168,  40,  1800, 30,    {},          NoEvent{}},
          {透明标签4,     kLabel,       外形框3,    1,    16,   0,   96,   30,    placeholder, NoEvent{}},
          {超级按钮8,     kCloseButton, 外形框3,    2,    454,  0,   48,   30,    close,       Clicked{OnAnimationPanelClosed}},
          {外形框2,       kStrip,       MainWindow, 4,    170,  0,   1800, 30,    {},          NoEvent{}},
          {透明标签3,     kLabel,       外形框2,    1,    14,   0,   96,   30,    placeholder, NoEvent{}},
          {超级按钮4,     kCloseButton, 外形框2,    2,    259,  0,   48,   30,    close,       Clicked{OnPicturePanelClosed}},
          {超文本浏览框2, kHtmlView,    MainWindow, 5,    280,  168, 104,  64,    {},          NoEvent{}},
          {超文本浏览框1, kHtmlView,    MainWindow, 6,    184,  168, 88,   56,    {},          NoEvent{}},
          {外形框1,       kStrip,       MainWindow, 7,    0,    0,   147,  30,    {},          NoEvent{}},
          {透明标签2,     kLabel,       外形框1,    1,    120,  0,   24,   30,    Gbk("×"),    LeftButtonPressed{OnExitLabelPressed}},
          {透明标签1,     kLabel,       外形框1,    2,    9,    0,   31,   30,    Gbk("墨点"), NoEvent{}},
          {按钮2,         kPushButton,  MainWindow, 8,    52,   163, 40,   32,    Gbk("动画"), Clicked{OnAnimationClicked}},
          {按钮1,         kPushButton,  MainWindow, 9,    6,    163, 40,   32,    Gbk("图片"), Clicked{OnPictureClicked}},
          {编辑框1,       kEditField,   MainWindow, 10,   12,   48,  120,  101,   Gbk("春"),   NoEvent{}},
          {按钮3,         kPushButton,  MainWindow, 11,   98,   163, 40,   32,    Gbk("字典"), Clicked{OnDictionaryClicked}},
      },
  };
}

}  // namespace

const WindowDefinition& MainWindowDefinition() {
  static const WindowDefinition definition = BuildMainWindow();
  return definition;
}

const ControlDefinition* FindControl(const WindowDefinition& window,
                                     Control control) {
  for (const ControlDefinition& row : window.controls) {
    if (row.name == control) return &row;
  }
  return nullptr;
}

}  // namespace modian
