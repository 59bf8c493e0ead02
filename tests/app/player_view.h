// A bare HTML view for the player tests: loads what PageUrlFor gives for an
// address and reports the player page's state and picture.
#pragma once

#include <QColor>
#include <QImage>
#include <QString>
#include <QUrl>
#include <QWebEngineView>

#include <functional>

namespace modian::test {

class PlayerView {
 public:
  PlayerView();

  // Loads the page for `address` and waits until the player page reports
  // "playing" or "failed"; gives that state, or "" if neither came.
  QString Open(const QUrl& address);

  // Runs `script` in the page and gives its result as text.
  QString Evaluate(const QString& script);

  // Lets the page run, then gives the view's picture as the screen shows it.
  QImage Picture(int settleMilliseconds = 500);

  QWebEngineView& view() { return view_; }

 private:
  QWebEngineView view_;
};

// Waits, running the event loop, until `done` holds or `limitMilliseconds`
// pass; gives whether it held.
bool WaitUntil(const std::function<bool()>& done, int limitMilliseconds);

// Whether `colour` lies within `tolerance` of `want` on every channel.
bool NearColour(QColor colour, QColor want, int tolerance = 8);

}  // namespace modian::test
