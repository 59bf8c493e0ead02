// Runs the player tests inside one QApplication with the player installed, as
// the program has it.
#include <QApplication>
#include <QByteArray>
#include <QWebEngineProfile>

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstring>

#include "app/qt/swf_player.h"

int main(int argc, char** argv) {
  testing::InitGoogleTest(&argc, argv);
  // Listing the tests happens at build time, where there may be no display.
  if (testing::GTEST_FLAG(list_tests)) return RUN_ALL_TESTS();

  // Chromium's sandbox refuses to run as root, as the tests do in CI.
  if (geteuid() == 0) qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
  modian::RegisterSwfPlayerScheme();
  QApplication application(argc, argv);
  modian::InstallSwfPlayer(*QWebEngineProfile::defaultProfile());
  return RUN_ALL_TESTS();
}
