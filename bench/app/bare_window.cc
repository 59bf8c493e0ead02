// The yardstick for the program's start-up: a bare Qt window holding one web
// view, reporting its first show the way the program does.
#include <QApplication>
#include <QWebEngineView>
#include <QWidget>
#include <unistd.h>

#include "app/qt/first_show_report.h"
#include "app/qt/web_engine_setup.h"

int main(int argc, char** argv) {
  modian::PrepareWebEngine(geteuid() == 0);
  QApplication application(argc, argv);
  QWidget window;
  window.resize(145, 210);
  auto* view = new QWebEngineView(&window);
  view->setGeometry(0, 0, 137, 180);
  modian::ReportFirstShowIfAsked(window);
  window.show();
  return QApplication::exec();
}
