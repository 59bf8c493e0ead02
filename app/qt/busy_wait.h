// The window's busy state while a handler waits on the one thread.
#pragma once

#include <QObject>

namespace modian {

// Between Begin and End the application shows the busy cursor. End drops
// the clicks and keys that queued up while the thread was held, so none of
// them reaches a handler once the wait is over.
class BusyWait : public QObject {
 public:
  void Begin();
  void End();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  int depth_ = 0;
  bool dropping_ = false;
};

}  // namespace modian
