#include "app/qt/top_level_window.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QResizeEvent>
#include <algorithm>

namespace modian {

namespace {

// More than a handler's writes ever leave unreported at once.
constexpr std::size_t kMaxUnreportedSizes = 16;

}  // namespace

TopLevelWindow::TopLevelWindow()
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint |
                           Qt::WindowMinimizeButtonHint) {
  setAttribute(Qt::WA_DeleteOnClose, false);
}

void TopLevelWindow::ResizeByProgram(QSize size) {
  unreportedSizes_.push_back(size);
  if (unreportedSizes_.size() > kMaxUnreportedSizes) {
    unreportedSizes_.pop_front();
  }
  resizingByProgram_ = true;
  // Fixed: the user cannot resize or maximise the window.
  setFixedSize(size);
  resizingByProgram_ = false;
  RaiseSizeChanged();
}

void TopLevelWindow::RaiseSizeChanged() {
  lastSizeRaised_ = size();
  if (onSizeChanged) onSizeChanged();
}

void TopLevelWindow::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  if (resizingByProgram_) return;
  const QSize reported = event->size();
  const auto echo = std::find(unreportedSizes_.begin(),
                              unreportedSizes_.end(), reported);
  if (echo != unreportedSizes_.end()) {
    unreportedSizes_.erase(unreportedSizes_.begin(), echo + 1);
    return;
  }
  if (reported == lastSizeRaised_) return;
  RaiseSizeChanged();
}

void TopLevelWindow::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  if (event->type() != QEvent::WindowStateChange) return;
  const auto* change = static_cast<QWindowStateChangeEvent*>(event);
  const bool wasMinimised = change->oldState() & Qt::WindowMinimized;
  const bool isMinimised = windowState() & Qt::WindowMinimized;
  if (wasMinimised != isMinimised) RaiseSizeChanged();
}

void TopLevelWindow::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape) {
    close();
    return;
  }
  QWidget::keyPressEvent(event);
}

void TopLevelWindow::closeEvent(QCloseEvent* event) {
  event->accept();
  if (onClosing) onClosing();
}

}  // namespace modian
