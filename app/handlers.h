// The program's entry routine, its exit hook and the window's event handlers.
// They act on the window only through the toolkit (app/toolkit.h).
#pragma once

namespace modian {

// Registers the exit hook, loads MainWindow, runs the message loop; 0.
int ProgramMain();
// Releases StrokeQueryUrl and StrokeImageUrl. Touches no control.
void OnProgramExit();

void OnMainWindowCreated();
// Sizes 超文本浏览框1 to the window's width - 8 by height - 30.
void OnMainWindowResized();
// Ends the program with exit code 0; x, y and keys are ignored.
void OnExitLabelPressed(int x, int y, int keys);

void OnDictionaryClicked();
void OnAnimationClicked();
void OnPictureClicked();

void OnDictionaryPanelClosed();
void OnAnimationPanelClosed();
void OnPicturePanelClosed();

}  // namespace modian
