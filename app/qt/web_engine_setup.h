// Settings the web engine reads from the environment when it starts.
#pragma once

namespace modian {

// Call before QApplication exists. Chromium's sandbox cannot run as root, so
// it is turned off then, and only then.
void PrepareWebEngine(bool runningAsRoot);

// Call after QApplication exists and before the first window. A web view
// composes its window through OpenGL; a window made without it is destroyed
// and made anew when its first view appears, so it flickers and gets a new
// window-system identity. On X11 and Wayland where OpenGL works, every
// window starts with it.
// A QT_WIDGETS_RHI already in the environment is kept.
void ComposeWindowsForWebViews();

}  // namespace modian
