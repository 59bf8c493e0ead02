// From a click on "图片" to the picture panel laid out, in the real window
// (offscreen) against a stroke-order site on loopback serving a 1 MB page.
#include <benchmark/benchmark.h>
#include <httplib.h>

#include <QApplication>
#include <cstdlib>
#include <string>
#include <thread>
#include <unistd.h>

#include "app/handlers.h"
#include "app/program_state.h"
#include "app/qt/qt_toolkit.h"
#include "app/qt/swf_player.h"
#include "app/qt/web_engine_setup.h"
#include "app/toolkit.h"
#include "app/window_definition.h"

namespace modian {
namespace {

std::string StrokeOrderPage(std::size_t size) {
  const std::string row =
      "<li style=\"width:50%\"><a href=\"/mandarin.php?q=%E5%A4%8F\">"
      "\xE5\xA4\x8F\xE5\xAD\x97</a> <span>%E6%98%A5%E5%A4%A9</span></li>\n";
  std::string page = "<html><body><ul>\n";
  while (page.size() + row.size() < size) page += row;
  page +=
      "<h2>\xE6\x98\xA5\xE5\xAD\x97\xE7\x9A\x84\xE7\xAC\x94\xE9\xA1\xBA"
      "\xE5\x8A\xA8\xE7\x94\xBB</h2><img src=\"http://127.0.0.1:9/p.gif\" "
      "alt=\"\xE6\x98\xA5\xE7\x9A\x84\xE7\xAC\x94\xE9\xA1\xBA\"></ul></body>"
      "</html>\n";
  return page;
}

void ClickToPicturePanel(benchmark::State& state) {
  for (auto _ : state) {
    OnPictureClicked();
    state.PauseTiming();
    OnPicturePanelClosed();
    state.ResumeTiming();
  }
  if (StrokeImageUrl != "http://127.0.0.1:9/p.gif") {
    state.SkipWithError("the picture's address was not found");
  }
}
BENCHMARK(ClickToPicturePanel)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace modian

int main(int argc, char** argv) {
  httplib::Server site;
  const std::string page = modian::StrokeOrderPage(1 << 20);
  site.Get("/mandarin.php", [&](const httplib::Request&, httplib::Response& r) {
    r.set_content(page, "text/html; charset=utf-8");
  });
  const int port = site.bind_to_any_port("127.0.0.1");
  std::thread serving([&] { site.listen_after_bind(); });
  const std::string host = "127.0.0.1:" + std::to_string(port);
  setenv("MODIAN_STROKE_ORDER_HOST", host.c_str(), 1);
  setenv("MODIAN_DICTIONARY_SEARCH_HOST", "127.0.0.1:9", 1);
  setenv("MODIAN_DICTIONARY_FILE_HOST", "127.0.0.1:9", 1);
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  modian::PrepareWebEngine(geteuid() == 0);
  modian::RegisterSwfPlayerScheme();
  QApplication application(argc, argv);
  int result = 0;
  {
    modian::QtToolkit toolkit;
    modian::InstallToolkit(&toolkit);
    modian::LoadWindow(modian::MainWindowDefinition());
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    result = toolkit.Finish(0);
    modian::InstallToolkit(nullptr);
  }
  site.stop();
  serving.join();
  return result;
}
