// Widget tests run on Qt's offscreen platform; the hosts point at a closed
// local port so that no view reaches the internet.
#include <gtest/gtest.h>

#include <QApplication>
#include <cstdlib>
#include <unistd.h>

#include "app/qt/swf_player.h"
#include "app/qt/web_engine_setup.h"

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  setenv("MODIAN_DICTIONARY_SEARCH_HOST", "127.0.0.1:9", 1);
  setenv("MODIAN_DICTIONARY_FILE_HOST", "127.0.0.1:9", 1);
  setenv("MODIAN_STROKE_ORDER_HOST", "127.0.0.1:9", 1);
  modian::PrepareWebEngine(geteuid() == 0);
  modian::RegisterSwfPlayerScheme();
  QApplication application(argc, argv);
  modian::ComposeWindowsForWebViews();
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
