#include "app/qt/web_engine_setup.h"

#include <QByteArray>
#include <QtGlobal>

namespace modian {

void PrepareWebEngine(bool runningAsRoot) {
  if (runningAsRoot) qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
}

}  // namespace modian
