#include "app/qt/busy_wait.h"

#include <QApplication>
#include <QCursor>
#include <QEvent>
#include <QGuiApplication>
#include <xcb/xcb.h>

namespace modian {

namespace {

bool IsUserInput(QEvent::Type type) {
  switch (type) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::Shortcut:
    case QEvent::Wheel:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::TouchCancel:
    case QEvent::TabletPress:
    case QEvent::TabletRelease:
    case QEvent::TabletMove:
    case QEvent::ContextMenu:
      return true;
    default:
      return false;
  }
}

// The thread is about to block: requests still buffered for the X server,
// such as the cursor change, would otherwise wait until it is free again.
void FlushWindowSystem() {
  if (auto* x11 = qApp->nativeInterface<QNativeInterface::QX11Application>()) {
    if (xcb_connection_t* connection = x11->connection()) xcb_flush(connection);
  }
}

}  // namespace

void BusyWait::Begin() {
  if (depth_++ > 0) return;
  QApplication::setOverrideCursor(Qt::WaitCursor);
  FlushWindowSystem();
}

void BusyWait::End() {
  if (depth_ == 0 || --depth_ > 0) return;
  // Qt has read the window system's events on its own thread all along;
  // hand them out now, with every click and key swallowed.
  dropping_ = true;
  qApp->installEventFilter(this);
  QCoreApplication::processEvents(QEventLoop::AllEvents);
  qApp->removeEventFilter(this);
  dropping_ = false;
  QApplication::restoreOverrideCursor();
  FlushWindowSystem();
}

bool BusyWait::eventFilter(QObject* watched, QEvent* event) {
  if (dropping_ && IsUserInput(event->type())) return true;
  return QObject::eventFilter(watched, event);
}

}  // namespace modian
