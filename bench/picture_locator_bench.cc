// The picture lookup's own work on a downloaded page (everything but the
// network), and a whole picture lookup against a stroke-order site on
// loopback.
#include <benchmark/benchmark.h>

#include <string>

#include "app/picture_locator.h"
#include "app/program_state.h"
#include "app/toolkit.h"
#include "text/gbk.h"

namespace modian {
namespace {

// A result page of about `size` bytes: rows of markup with raw and
// percent-encoded UTF-8 Chinese, the picture and its markers near the end.
std::string StrokeOrderPage(std::size_t size) {
  const std::string row =
      "<li style=\"width:50%\"><a href=\"/mandarin.php?q=%E5%A4%8F\">"
      "\xE5\xA4\x8F\xE5\xAD\x97\xE7\x9A\x84\xE7\xAC\x94\xE9\xA1\xBA</a> "
      "<span>%E6%98%A5%E5%A4%A9 http://example.org/x.png</span></li>\n";
  const std::string picture =
      "<h2>\xE6\x98\xA5\xE5\xAD\x97\xE7\x9A\x84\xE7\xAC\x94\xE9\xA1\xBA"
      "\xE5\x8A\xA8\xE7\x94\xBB</h2><img src=\"http://stroke.example/gif/"
      "%E6%98%A5.gif\" alt=\"\xE6\x98\xA5\xE7\x9A\x84\xE7\xAC\x94\xE9\xA1\xBA\">"
      "\n";
  std::string page = "<!DOCTYPE html><html><body><ul>\n";
  while (page.size() + row.size() * 8 + picture.size() < size) page += row;
  page += picture;
  for (int i = 0; i < 8; ++i) page += row;
  page += "</ul></body></html>\n";
  return page;
}

void CutAddressOutOfPage(benchmark::State& state) {
  const std::string text = StrokeOrderPage(std::size_t(state.range(0)));
  const ByteBlock page(text.begin(), text.end());
  const AnsiText character = Gbk("春");
  AnsiText address;
  for (auto _ : state) {
    address = PictureAddressIn(page, character);
    benchmark::DoNotOptimize(address);
  }
  if (address != "http://stroke.example/gif/" + character + ".gif") {
    state.SkipWithError("the address was not found");
  }
  state.SetBytesProcessed(state.iterations() * std::int64_t(page.size()));
}
BENCHMARK(CutAddressOutOfPage)
    ->Arg(100 << 10)
    ->Arg(1 << 20)
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace modian
