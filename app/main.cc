// Starts the web engine and Qt, then hands over to ProgramMain.
#include <QApplication>
#include <QByteArray>
#include <unistd.h>

#include "app/handlers.h"
#include "app/toolkit.h"
#include "app/qt/qt_toolkit.h"
#include "app/qt/web_engine_setup.h"
#include "app/qt/swf_player.h"

int main(int argc, char** argv) {
  modian::PrepareWebEngine(geteuid() == 0);
  modian::RegisterSwfPlayerScheme();
  QApplication application(argc, argv);
  modian::ComposeWindowsForWebViews();
  int exitCode = 0;
  {
    modian::QtToolkit toolkit;
    modian::InstallToolkit(&toolkit);
    exitCode = toolkit.Finish(modian::ProgramMain());
    modian::InstallToolkit(nullptr);
  }
  return exitCode;
}
