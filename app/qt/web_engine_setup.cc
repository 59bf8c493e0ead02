#include "app/qt/web_engine_setup.h"

#include <QByteArray>
#include <QOpenGLContext>
#include <QtGlobal>

namespace modian {

void PrepareWebEngine(bool runningAsRoot) {
  if (runningAsRoot) qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
}

void ComposeWindowsForWebViews() {
  if (qEnvironmentVariableIsSet("QT_WIDGETS_RHI")) return;
  // Where OpenGL is missing (the offscreen platform) the views draw without
  // it, and forcing it would crash.
  QOpenGLContext probe;
  if (probe.create()) qputenv("QT_WIDGETS_RHI", "1");
}

}  // namespace modian
