#include "app/qt/window_drag.h"

#include <QMouseEvent>
#include <QWidget>
#include <QWindow>

namespace modian {

WindowDrag::WindowDrag(QWidget& window) : QObject(&window), window_(window) {}

bool WindowDrag::eventFilter(QObject* watched, QEvent* event) {
  switch (event->type()) {
    case QEvent::MouseButtonPress: {
      auto* press = static_cast<QMouseEvent*>(event);
      if (press->button() != Qt::LeftButton) return false;
      QWindow* handle = window_.windowHandle();
      if (handle != nullptr && handle->startSystemMove()) {
        grabOffset_.reset();
      } else {
        grabOffset_ = press->globalPosition().toPoint() - window_.pos();
      }
      return true;
    }
    case QEvent::MouseMove: {
      auto* move = static_cast<QMouseEvent*>(event);
      if (!grabOffset_ || !(move->buttons() & Qt::LeftButton)) return false;
      window_.move(move->globalPosition().toPoint() - *grabOffset_);
      return true;
    }
    case QEvent::MouseButtonRelease:
      if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton &&
          grabOffset_) {
        grabOffset_.reset();
        return true;
      }
      return false;
    default:
      return QObject::eventFilter(watched, event);
  }
}

}  // namespace modian
