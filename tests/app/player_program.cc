#include "tests/app/player_program.h"

#include <QGuiApplication>
#include <QPixmap>
#include <QProcessEnvironment>
#include <QScreen>

#include "tests/app/player_view.h"

namespace modian::test {

std::optional<QString> RunTool(const QString& program, const QStringList& arguments,
                int limitMilliseconds) {
  QProcess tool;
  tool.start(program, arguments);
  if (!tool.waitForFinished(limitMilliseconds) ||
      tool.exitStatus() != QProcess::NormalExit || tool.exitCode() != 0) {
    tool.kill();
    tool.waitForFinished();
    return std::nullopt;
  }
  return QString::fromLocal8Bit(tool.readAllStandardOutput()).trimmed();
}

RunningProgram::RunningProgram(const QString& program,
                               const QStringList& environment) {
  QProcessEnvironment variables = QProcessEnvironment::systemEnvironment();
  for (const QString& entry : environment) {
    const qsizetype equals = entry.indexOf(u'=');
    variables.insert(entry.left(equals), entry.mid(equals + 1));
  }
  process_.setProcessEnvironment(variables);
  process_.setProcessChannelMode(QProcess::ForwardedChannels);
  process_.start(program, {});
  if (!process_.waitForStarted(10'000)) return;
  shown_ = !Window(60'000).isEmpty();
}

QString RunningProgram::Window(int limitMilliseconds) const {
  // Looked up each time: Qt re-creates the native window when a web view
  // first appears in it, so its id changes and it is briefly unmapped.
  QString window;
  WaitUntil(
      [&] {
        if (!running()) return true;
        window = RunTool("xdotool", {"search", "--onlyvisible", "--pid",
                                     QString::number(process_.processId()),
                                     "--name", "墨点"})
                     .value_or(QString())
                     .section(u'\n', 0, 0);
        return !window.isEmpty();
      },
      limitMilliseconds);
  return window;
}

RunningProgram::~RunningProgram() {
  if (process_.state() == QProcess::NotRunning) return;
  process_.terminate();
  if (!process_.waitForFinished(10'000)) {
    process_.kill();
    process_.waitForFinished();
  }
}

QRect RunningProgram::WindowRect() const {
  const QString shell =
      RunTool("xdotool", {"getwindowgeometry", "--shell", Window()})
          .value_or(QString());
  int x = 0, y = 0, width = 0, height = 0;
  for (const QString& line : shell.split(u'\n')) {
    const QString value = line.section(u'=', 1);
    if (line.startsWith("X=")) x = value.toInt();
    if (line.startsWith("Y=")) y = value.toInt();
    if (line.startsWith("WIDTH=")) width = value.toInt();
    if (line.startsWith("HEIGHT=")) height = value.toInt();
  }
  return QRect(x, y, width, height);
}

bool RunningProgram::ClickAt(QPoint point) {
  const QPoint onScreen = WindowRect().topLeft() + point;
  return RunTool("xdotool", {"mousemove", QString::number(onScreen.x()),
                             QString::number(onScreen.y()), "click", "1"})
      .has_value();
}

QImage RunningProgram::Picture() const {
  const QRect rect = WindowRect();
  QScreen* screen = QGuiApplication::primaryScreen();
  if (screen == nullptr || rect.isEmpty()) return {};
  return screen->grabWindow(0, rect.x(), rect.y(), rect.width(), rect.height())
      .toImage();
}

}  // namespace modian::test
