// Moving the window by pressing on its surface or a strip, as a caption bar
// would.
#pragma once

#include <QObject>
#include <QPoint>
#include <optional>

class QWidget;

namespace modian {

// Installed as an event filter on the window and on each strip. Presses on
// their children (labels, buttons, the edit field, views) never reach it:
// those children keep their presses to themselves.
class WindowDrag : public QObject {
 public:
  explicit WindowDrag(QWidget& window);

  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QWidget& window_;
  // Where the pointer held the window, when the window system cannot move it
  // for us and we follow the pointer ourselves.
  std::optional<QPoint> grabOffset_;
};

}  // namespace modian
