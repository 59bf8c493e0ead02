// Settings the web engine reads from the environment when it starts.
#pragma once

namespace modian {

// Call before QApplication exists. Chromium's sandbox cannot run as root, so
// it is turned off then, and only then. Flags already in the environment are
// kept.
void PrepareWebEngine(bool runningAsRoot);

}  // namespace modian
