// The window definition of MainWindow: the window's own properties and one
// row per control, as the toolkit builds them.
#pragma once

#include <variant>
#include <vector>

#include "app/control.h"
#include "text/types.h"

namespace modian {

enum class Kind {
  kStrip,
  kLabel,
  kCloseButton,
  kHtmlView,
  kPushButton,
  kEditField,
};

// The event a control raises and the handler it runs.
struct NoEvent {};
struct Clicked {
  void (*handler)();
};
struct LeftButtonPressed {
  void (*handler)(int x, int y, int keys);
};
using ControlEvent = std::variant<NoEvent, Clicked, LeftButtonPressed>;

struct ControlDefinition {
  Control name;
  Kind kind;
  Control parent;
  int stack;  // 1 is the topmost among the controls sharing `parent`
  int left;
  int top;
  int width;
  int height;
  AnsiText text;
  ControlEvent event;
};

struct WindowDefinition {
  AnsiText title;
  int width;  // the size when created; only serves to place the window
  int height;
  void (*onCreated)();
  void (*onResized)();
  std::vector<ControlDefinition> controls;  // in the window's stacking order
};

const WindowDefinition& MainWindowDefinition();

// The row of `control`; nullptr for the window itself.
const ControlDefinition* FindControl(const WindowDefinition& window,
                                     Control control);

}  // namespace modian
