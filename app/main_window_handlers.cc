// Start-up, shutdown and the window's own events.
#include "app/handlers.h"
#include "app/program_state.h"
#include "app/toolkit.h"
#include "app/window_definition.h"

namespace modian {

using enum Control;
using enum Property;

int ProgramMain() {
  RegisterExitHook(OnProgramExit);
  LoadWindow(MainWindowDefinition());
  RunMessageLoop();
  return 0;
}

void OnProgramExit() {
  StrokeQueryUrl.reset();
  StrokeImageUrl.reset();
}

void OnMainWindowCreated() {
  SetFocus(编辑框1);
  SetProperty(MainWindow, kWidth, CompactSize.width);
  SetProperty(MainWindow, kHeight, CompactSize.height);
}

void OnMainWindowResized() {
  const int width = GetNumber(MainWindow, kWidth);
  const int height = GetNumber(MainWindow, kHeight);
  SetProperty(超文本浏览框1, kWidth, width - 8);
  SetProperty(超文本浏览框1, kHeight, height - 30);
}

void OnExitLabelPressed(int, int, int) { EndProgram(0); }

}  // namespace modian
