#include "app/qt/web_engine_setup.h"

#include <QByteArray>
#include <QGuiApplication>
#include <QOpenGLContext>
#include <QtGlobal>

namespace modian {

void PrepareWebEngine(bool runningAsRoot) {
  if (runningAsRoot) qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
}

void ComposeWindowsForWebViews() {
  if (qEnvironmentVariableIsSet("QT_WIDGETS_RHI")) return;
  // Elsewhere (the offscreen platform) the views draw without OpenGL, and
  // forcing it crashes them.
  const QString platform = QGuiApplication::platformName();
  if (platform != QLatin1String("xcb") && platform != QLatin1String("wayland")) {
    return;
  }
  QOpenGLContext probe;
  if (probe.create()) qputenv("QT_WIDGETS_RHI", "1");
}

}  // namespace modian
