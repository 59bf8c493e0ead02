// The real program under test on the display: started with its hosts pointed
// at a loopback site, found on screen, clicked and photographed.
#pragma once

#include <QImage>
#include <QPoint>
#include <QProcess>
#include <QRect>
#include <QString>
#include <QStringList>

#include <optional>

namespace modian::test {

class RunningProgram {
 public:
  // Starts `program` with `environment` ("NAME=value" entries) added to this
  // process's own, and waits for its window "墨点" to be shown.
  RunningProgram(const QString& program, const QStringList& environment);
  ~RunningProgram();
  RunningProgram(const RunningProgram&) = delete;
  RunningProgram& operator=(const RunningProgram&) = delete;

  // Whether the process runs and its window was found.
  bool ok() const { return shown_; }
  bool running() const { return process_.state() == QProcess::Running; }

  // The window's outer rectangle on the screen, as the display reports it now.
  QRect WindowRect() const;

  // Presses and releases the left button at `point`, in window coordinates.
  bool ClickAt(QPoint point);

  // The window's picture as the screen shows it.
  QImage Picture() const;

 private:
  // The X id of the program's window, as xdotool prints it, waiting up to
  // `limitMilliseconds` for it to be mapped; "" if it never is.
  QString Window(int limitMilliseconds = 10'000) const;

  QProcess process_;
  bool shown_ = false;
};

// Runs `program` with `arguments` and gives its standard output, or nothing
// when it fails or takes longer than `limitMilliseconds`.
std::optional<QString> RunTool(const QString& program, const QStringList& arguments,
                int limitMilliseconds = 10'000);

}  // namespace modian::test
