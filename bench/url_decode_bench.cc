// The text work of one picture lookup over a downloaded page, against
// libcurl's unescape followed by one iconv call as a baseline.
#include <benchmark/benchmark.h>
#include <curl/curl.h>
#include <iconv.h>

#include <string>

#include "text/gbk.h"
#include "text/markers.h"
#include "text/percent.h"

namespace modian {
namespace {

// Markup, raw UTF-8 Chinese and percent-encoded UTF-8, with a stray "%" in
// the style; the picture's address and its markers close the page.
std::string SyntheticPage(std::size_t size) {
  const std::string row =
      "<div class=\"row\" style=\"width:100%;\"><a href=\"/zi/%E6%98%A5\">"
      "\xE6\x98\xA5\xE5\xA4\xA9\xE7\x9A\x84\xE8\x8A\xB1\xE5\xBC\x80\xE4\xBA"
      "\x86\xEF\xBC\x8C\xE5\xB0\x8F\xE6\x9C\x8B\xE5\x8F\x8B"
      "%E5%AD%97%E7%9A%84%E7%AC%94%E9%A1%BA</a></div>\n";
  const std::string tail =
      "<img alt=\"%E6%98%A5%E5%AD%97%E7%9A%84%E7%AC%94%E9%A1%BA%E5%8A%A8%E7%94"
      "%BB\" src=\"https://img.example.org/bishun/%E6%98%A5.gif\" title=\""
      "\xE6\x98\xA5\xE7\x9A\x84\xE7\xAC\x94\xE9\xA1\xBA\"></body></html>\n";
  std::string page = "<html><body>\n";
  while (page.size() + row.size() + tail.size() <= size) page += row;
  page += tail;
  return page;
}

void DecodeAndCut(benchmark::State& state) {
  const auto page = SyntheticPage(static_cast<std::size_t>(state.range(0)));
  const auto character = Gbk("\xE6\x98\xA5");
  const auto firstMarker = character + Gbk("字的笔顺动画");
  const auto secondMarker = character + Gbk("的笔顺");
  std::string address;
  for (auto _ : state) {
    const auto text = UrlDecode(page, {.viaUtf8 = true});
    address = TextBefore(
        TextAfterLast(TextBefore(TextAfterLast(text, firstMarker),
                                 secondMarker),
                      "http"),
        ".gif");
    benchmark::DoNotOptimize(address);
  }
  if (address != "s://img.example.org/bishun/" + character) {
    state.SkipWithError("the cuts did not find the address");
  }
  state.SetBytesProcessed(state.iterations() *
                          static_cast<std::int64_t>(page.size()));
}

void CurlUnescapeThenIconv(benchmark::State& state) {
  const auto page = SyntheticPage(static_cast<std::size_t>(state.range(0)));
  CURL* curl = curl_easy_init();
  const iconv_t converter = iconv_open("CP936", "UTF-8");
  std::string gbk;
  for (auto _ : state) {
    int length = 0;
    char* decoded = curl_easy_unescape(curl, page.data(),
                                       static_cast<int>(page.size()), &length);
    gbk.resize(static_cast<std::size_t>(length));
    char* in = decoded;
    std::size_t inLeft = static_cast<std::size_t>(length);
    char* out = gbk.data();
    std::size_t outLeft = gbk.size();
    iconv(converter, &in, &inLeft, &out, &outLeft);
    gbk.resize(gbk.size() - outLeft);
    curl_free(decoded);
    benchmark::DoNotOptimize(gbk);
  }
  iconv_close(converter);
  curl_easy_cleanup(curl);
  state.SetBytesProcessed(state.iterations() *
                          static_cast<std::int64_t>(page.size()));
}

void UrlDecodeOnly(benchmark::State& state) {
  const auto page = SyntheticPage(static_cast<std::size_t>(state.range(0)));
  for (auto _ : state) {
    benchmark::DoNotOptimize(UrlDecode(page));
  }
  state.SetBytesProcessed(state.iterations() *
                          static_cast<std::int64_t>(page.size()));
}

void CutsOnly(benchmark::State& state) {
  const auto text =
      UrlDecode(SyntheticPage(static_cast<std::size_t>(state.range(0))),
                {.viaUtf8 = true});
  const auto character = Gbk("\xE6\x98\xA5");
  const auto firstMarker = character + Gbk("字的笔顺动画");
  for (auto _ : state) {
    benchmark::DoNotOptimize(TextAfterLast(text, firstMarker));
  }
  state.SetBytesProcessed(state.iterations() *
                          static_cast<std::int64_t>(text.size()));
}

constexpr std::int64_t kPageSizes[] = {100 << 10, 1 << 20, 10 << 20};

void PageSizes(benchmark::internal::Benchmark* benchmark) {
  for (const auto size : kPageSizes) benchmark->Arg(size);
  benchmark->Unit(benchmark::kMillisecond);
}

BENCHMARK(DecodeAndCut)->Apply(PageSizes);
BENCHMARK(CurlUnescapeThenIconv)->Apply(PageSizes);
BENCHMARK(UrlDecodeOnly)->Apply(PageSizes);
BENCHMARK(CutsOnly)->Apply(PageSizes);

}  // namespace
}  // namespace modian
