// A toolkit that records every operation the handlers ask of it, in order,
// and answers reads from its own copy of the window's state.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "app/toolkit.h"

namespace modian::test {

struct ControlState {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  bool visible = true;
  bool disabled = false;
  AnsiText text;
  AnsiText address;
};

// EndProgram does not return: the fake throws this instead.
struct ProgramEnded {
  int exitCode;
};

class RecordingToolkit : public Toolkit {
 public:
  RecordingToolkit();
  ~RecordingToolkit() override;

  void SetProperty(Control control, Property property,
                   const PropertyValue& value) override;
  PropertyValue GetProperty(Control control, Property property) override;
  void SetFocus(Control control) override;
  [[noreturn]] void EndProgram(int exitCode) override;
  void RegisterExitHook(void (*hook)()) override;
  void LoadWindow(const WindowDefinition& window) override;
  void RunMessageLoop() override;
  void BeginWait() override;
  void EndWait() override;

  // The user's side: a click or a left press on a control, dispatched
  // through the window definition; a size change the program did not make.
  void Click(Control control);
  void PressLeftButton(Control control, int x, int y, int keys);
  void ChangeSizeFromOutside(int width, int height);
  // The platform's end sequence after the message loop.
  void RunExitHooks();

  // Every operation so far, as "超文本浏览框3.visible := true",
  // "focus 编辑框1", "end program 0"; texts in UTF-8 and quoted.
  std::vector<std::string> operations;
  std::map<Control, ControlState> state;
  Control focus = Control::MainWindow;
  // What RunMessageLoop delivers before the window goes.
  std::vector<Control> clicksDuringLoop;
  int exitHookRuns = 0;

 private:
  const WindowDefinition* window_ = nullptr;
  std::vector<void (*)()> exitHooks_;
};

// A text for a value, as in the operations list.
std::string Describe(const PropertyValue& value);

}  // namespace modian::test
