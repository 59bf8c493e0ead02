// A transparent label: white text on whatever lies beneath it.
#pragma once

#include <QLabel>
#include <functional>

namespace modian {

class Label : public QLabel {
 public:
  explicit Label(QWidget* parent);

  // Runs on a left-button press with the pointer's position in the label and
  // the keys held (Ctrl 1, Shift 2, Alt 4).
  std::function<void(int x, int y, int keys)> onLeftButtonPressed;

 protected:
  // Keeps every press, so that a press on a label never drags the window.
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
};

}  // namespace modian
