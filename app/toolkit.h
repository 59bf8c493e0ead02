// The window toolkit as the handlers see it: exactly the operations they ask
// of it. The handlers call these free functions only; whichever `Toolkit` is
// installed (the Qt one, or a recording fake in tests) carries them out.
#pragma once

#include "app/control.h"
#include "app/window_definition.h"
#include "text/types.h"

namespace modian {

class Toolkit {
 public:
  virtual ~Toolkit() = default;

  // Takes effect before it returns. A write of the window's width or height
  // runs the window's size-changed handler before it returns.
  virtual void SetProperty(Control control, Property property,
                           const PropertyValue& value) = 0;
  // The window's outer width or height, or the edit field's current text.
  virtual PropertyValue GetProperty(Control control, Property property) = 0;
  virtual void SetFocus(Control control) = 0;
  // Runs the exit hooks and ends the process with `exitCode`.
  [[noreturn]] virtual void EndProgram(int exitCode) = 0;
  // `hook` runs once when the program ends, however it ends.
  virtual void RegisterExitHook(void (*hook)()) = 0;
  // Builds the window from `window`, raises created and size changed, and
  // shows it.
  virtual void LoadWindow(const WindowDefinition& window) = 0;
  // Delivers events until the window has been destroyed.
  virtual void RunMessageLoop() = 0;
  // From BeginWait to EndWait the program is busy on its one thread: the
  // window shows the busy cursor, and the clicks and keys given meanwhile are
  // dropped instead of reaching a handler afterwards.
  virtual void BeginWait() = 0;
  virtual void EndWait() = 0;
};

// Makes `toolkit` the one the free functions below use; nullptr uninstalls.
void InstallToolkit(Toolkit* toolkit);

void SetProperty(Control control, Property property,
                 const PropertyValue& value);
PropertyValue GetProperty(Control control, Property property);
// A property read as a number (0 if it is not one) or as a text (empty if it
// is not one).
int GetNumber(Control control, Property property);
AnsiText GetText(Control control, Property property);
void SetFocus(Control control);
[[noreturn]] void EndProgram(int exitCode);
void RegisterExitHook(void (*hook)());
void LoadWindow(const WindowDefinition& window);
void RunMessageLoop();

// Holds the window busy for as long as it lives.
class WaitScope {
 public:
  WaitScope();
  ~WaitScope();
  WaitScope(const WaitScope&) = delete;
  WaitScope& operator=(const WaitScope&) = delete;
};

}  // namespace modian
