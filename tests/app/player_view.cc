#include "tests/app/player_view.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QThread>
#include <QWebEnginePage>

#include <cstdlib>
#include <memory>
#include <optional>

#include "app/qt/swf_player.h"

namespace modian::test {

bool WaitUntil(const std::function<bool()>& done, int limitMilliseconds) {
  QDeadlineTimer deadline(limitMilliseconds);
  while (!done()) {
    if (deadline.hasExpired()) return false;
    QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    QThread::msleep(10);
  }
  return true;
}

bool NearColour(QColor colour, QColor want, int tolerance) {
  return std::abs(colour.red() - want.red()) <= tolerance &&
         std::abs(colour.green() - want.green()) <= tolerance &&
         std::abs(colour.blue() - want.blue()) <= tolerance;
}

PlayerView::PlayerView() {
  view_.resize(500, 520);
  view_.show();
}

QString PlayerView::Open(const QUrl& address) {
  view_.load(PageUrlFor(address));
  QString state;
  WaitUntil(
      [&] {
        state = Evaluate("document.body ? document.body.dataset.state || '' : ''");
        return state == "playing" || state == "failed";
      },
      60'000);
  return state;
}

QString PlayerView::Evaluate(const QString& script) {
  // The answer may come after this call has given up waiting.
  auto result = std::make_shared<std::optional<QString>>();
  view_.page()->runJavaScript(script, [result](const QVariant& value) {
    *result = value.toString();
  });
  WaitUntil([&] { return result->has_value(); }, 10'000);
  return result->value_or(QString());
}

QImage PlayerView::Picture(int settleMilliseconds) {
  WaitUntil([] { return false; }, settleMilliseconds);
  return view_.grab().toImage();
}

}  // namespace modian::test
