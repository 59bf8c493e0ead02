#include "app/qt/first_show_report.h"

#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <cstdlib>

namespace modian {

namespace {

class FirstPaintWatch : public QObject {
 public:
  explicit FirstPaintWatch(QWidget& window) : QObject(&window), window_(window) {}

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched == &window_ && event->type() == QEvent::Paint && !reported_) {
      reported_ = true;
      // After the paint has reached the screen, not before.
      QTimer::singleShot(0, this, [this] {
        const QRect frame = window_.frameGeometry();
        std::printf("modian-first-show x=%d y=%d width=%d height=%d\n",
                    frame.x(), frame.y(), frame.width(), frame.height());
        std::fflush(stdout);
      });
    }
    return false;
  }

 private:
  QWidget& window_;
  bool reported_ = false;
};

}  // namespace

void ReportFirstShowIfAsked(QWidget& window) {
  const char* asked = std::getenv("MODIAN_REPORT_FIRST_SHOW");
  if (asked == nullptr || *asked == '\0') return;
  window.installEventFilter(new FirstPaintWatch(window));
}

}  // namespace modian
