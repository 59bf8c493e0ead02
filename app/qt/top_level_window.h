// The program's one top-level window: frameless, sized only by the program.
#pragma once

#include <QSize>
#include <QWidget>
#include <deque>
#include <functional>

namespace modian {

class TopLevelWindow : public QWidget {
 public:
  TopLevelWindow();

  // Sets the window's outer size and runs onSizeChanged before returning.
  // The window system may report the same size again later; that report
  // does not run onSizeChanged a second time.
  void ResizeByProgram(QSize size);
  // Runs onSizeChanged for the window's current size.
  void RaiseSizeChanged();

  // A size change: a write by the program (run inside ResizeByProgram), one
  // the program did not make, or a minimise or restore.
  std::function<void()> onSizeChanged;
  // The window is being closed (Esc or the window system's close command).
  std::function<void()> onClosing;

 protected:
  void resizeEvent(QResizeEvent* event) override;
  void changeEvent(QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  bool resizingByProgram_ = false;
  // Sizes the program set whose report from the window system may still be
  // on its way, oldest first.
  std::deque<QSize> unreportedSizes_;
  QSize lastSizeRaised_;
};

}  // namespace modian
