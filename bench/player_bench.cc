// What opening an animation costs: reading the emulator's WebAssembly out of
// the compiled-in resources (done for every opening), the URL mapping, and
// the whole way from load to the first frame in a real view (needs a display).
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QUrl>
#include <QWebEngineProfile>

#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdlib>
#include <memory>

#include "app/qt/swf_player.h"
#include "tests/app/player_site.h"
#include "tests/app/player_swf_writer.h"
#include "tests/app/player_view.h"

namespace {

using modian::test::LoopbackSite;
using modian::test::PlayerView;

void BM_ReadEmulatorWasm(benchmark::State& state) {
  const QStringList wasm = QDir(":/modian-player/ruffle").entryList({"*.wasm"});
  if (wasm.isEmpty()) {
    state.SkipWithError("no WebAssembly in the resources");
    return;
  }
  qint64 bytes = 0;
  for (auto _ : state) {
    QFile file(":/modian-player/ruffle/" + wasm.front());
    file.open(QIODevice::ReadOnly);
    const QByteArray data = file.readAll();
    bytes += data.size();
    benchmark::DoNotOptimize(data.constData());
  }
  state.SetBytesProcessed(bytes);
}
BENCHMARK(BM_ReadEmulatorWasm)->Unit(benchmark::kMillisecond);

void BM_PageUrlRoundTrip(benchmark::State& state) {
  const QUrl address("https://zd.hwxnet.com/Files/WordSwf/%E6%98%A5.swf");
  for (auto _ : state) {
    benchmark::DoNotOptimize(modian::AddressPlayedBy(modian::PageUrlFor(address)));
  }
}
BENCHMARK(BM_PageUrlRoundTrip);

void BM_OpenAnimationUntilPlaying(benchmark::State& state) {
  modian::test::SwfMovie movie;
  movie.background = {0x20, 0x60, 0xE0};
  movie.fill = {0xF0, 0x80, 0x10};
  LoopbackSite site({{"/a.swf", {"application/x-shockwave-flash", WriteSwf(movie)}}});
  if (!site.ok()) {
    state.SkipWithError("no loopback site");
    return;
  }
  const QUrl address(QString::fromStdString("https://" + site.host() + "/a.swf"));
  for (auto _ : state) {
    PlayerView player;
    if (player.Open(address) != "playing") {
      state.SkipWithError("the animation did not play");
      return;
    }
  }
}
BENCHMARK(BM_OpenAnimationUntilPlaying)->Unit(benchmark::kMillisecond)->Iterations(5);

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (geteuid() == 0) qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
  modian::RegisterSwfPlayerScheme();
  // Without a display only the benchmarks that need none can run.
  if (std::getenv("DISPLAY") == nullptr) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  modian::InstallSwfPlayer(*QWebEngineProfile::defaultProfile());
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
