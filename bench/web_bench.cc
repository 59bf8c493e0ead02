// Header normalising, received-cookie parsing and cookie merging on long
// inputs; the merge also as written step by step with list look-ups, the
// quadratic form that MergeCookies avoids.
#include <benchmark/benchmark.h>

#include <string>

#include "text/cut.h"
#include "text/spaces.h"
#include "text/split.h"
#include "web/cookie_merge.h"
#include "web/header_lines.h"
#include "web/received_cookies.h"

namespace modian {
namespace {

AnsiText CookieList(int count, int offset) {
  AnsiText list;
  for (int i = 0; i < count; ++i) {
    list += "name" + std::to_string(i + offset) + "=value" + std::to_string(i) + "; ";
  }
  return list;
}

AnsiText MergeByLookUp(const AnsiText& sentIn, const AnsiText& receivedIn) {
  TextArray merged = SplitBy(StripAllSpaces(receivedIn), ";");
  for (const AnsiText& entry : SplitBy(StripAllSpaces(sentIn), ";")) {
    if (!HasCookieNamed(merged, CookieName(entry))) merged.push_back(entry);
  }
  AnsiText kept;
  for (const AnsiText& entry : merged) {
    if (RightPart(entry, 8) != "=deleted") kept += entry + "; ";
  }
  TextArray seen;
  AnsiText result;
  for (const AnsiText& piece : SplitBy(LeftPart(kept, CountBytes(kept) - 2), "; ")) {
    if (FindInList(seen, piece) != -1) continue;
    seen.push_back(piece);
    result += piece + "; ";
  }
  return LeftPart(result, CountBytes(result) - 2);
}

void BM_MergeCookies(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  const AnsiText sent = CookieList(n, 0), received = CookieList(n / 2, n / 4);
  for (auto _ : state) {
    AnsiText s = sent, r = received;
    benchmark::DoNotOptimize(MergeCookies(s, r));
  }
  state.SetComplexityN(n);
}
BENCHMARK(BM_MergeCookies)->RangeMultiplier(10)->Range(10, 10000)->Complexity();

void BM_MergeCookiesByLookUp(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  const AnsiText sent = CookieList(n, 0), received = CookieList(n / 2, n / 4);
  for (auto _ : state) benchmark::DoNotOptimize(MergeByLookUp(sent, received));
  state.SetComplexityN(n);
}
BENCHMARK(BM_MergeCookiesByLookUp)->RangeMultiplier(10)->Range(10, 10000)->Complexity();

void BM_NormalizeHeaderNames(benchmark::State& state) {
  AnsiText block;
  for (int i = 0; i < state.range(0); ++i) {
    block += "x-custom-header-" + std::to_string(i) + ": some value\r\n";
  }
  for (auto _ : state) benchmark::DoNotOptimize(NormalizeHeaderNames(block));
  state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(block.size()));
}
BENCHMARK(BM_NormalizeHeaderNames)->Arg(10)->Arg(10000);

void BM_ReceivedCookies(benchmark::State& state) {
  AnsiText headers;
  for (int i = 0; i < state.range(0); ++i) {
    headers += "Set-Cookie: c" + std::to_string(i) + "=v; path=/; HttpOnly\r\n";
  }
  for (auto _ : state) benchmark::DoNotOptimize(ReceivedCookies(headers));
  state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(headers.size()));
}
BENCHMARK(BM_ReceivedCookies)->Arg(10)->Arg(10000);

}  // namespace
}  // namespace modian
