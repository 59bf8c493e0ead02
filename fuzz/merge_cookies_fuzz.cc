// Differential: the linear MergeCookies against the merge written step by
// step with the list look-ups HasCookieNamed and FindInList.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <string>

#include "fuzz/fuzz_check.h"
#include "text/cut.h"
#include "text/spaces.h"
#include "text/split.h"
#include "web/cookie_merge.h"

using namespace modian;

namespace {

AnsiText JoinDistinctByLookUp(const AnsiText& text) {
  TextArray seen;
  AnsiText result;
  for (const AnsiText& piece : SplitBy(text, "; ")) {
    if (FindInList(seen, piece) != -1) continue;
    seen.push_back(piece);
    result += piece + "; ";
  }
  return LeftPart(result, CountBytes(result) - 2);
}

AnsiText MergeByLookUp(const AnsiText& sentIn, const AnsiText& receivedIn) {
  const AnsiText sent = StripAllSpaces(sentIn);
  TextArray merged = SplitBy(StripAllSpaces(receivedIn), ";");
  for (const AnsiText& entry : SplitBy(sent, ";")) {
    if (!HasCookieNamed(merged, CookieName(entry))) merged.push_back(entry);
  }
  AnsiText kept;
  for (const AnsiText& entry : merged) {
    if (RightPart(entry, 8) != "=deleted") kept += entry + "; ";
  }
  return JoinDistinctByLookUp(LeftPart(kept, CountBytes(kept) - 2));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data,
                                      std::size_t size) {
  FuzzedDataProvider provider(data, size);
  const std::string sentIn = provider.ConsumeRandomLengthString(256);
  const std::string receivedIn = provider.ConsumeRemainingBytesAsString();

  AnsiText sent = sentIn, received = receivedIn;
  const AnsiText merged = MergeCookies(sent, received);
  FuzzCheck(merged == MergeByLookUp(sentIn, receivedIn),
            "merge differs from the look-up merge");
  FuzzCheck(sent == merged, "sent variable does not hold the result");
  FuzzCheck(received == StripAllSpaces(receivedIn),
            "received variable is not stripped of spaces");
  FuzzCheck(HasNoZeroByte(merged), "zero byte in the result");

  TextArray pieces;
  const int count = SplitChars(receivedIn, pieces);
  std::string joined;
  for (const AnsiText& piece : pieces) joined += piece;
  FuzzCheck(count == static_cast<int>(pieces.size()) &&
                joined == receivedIn.substr(0, receivedIn.find('\0')),
            "SplitChars pieces do not make up the text");
  return 0;
}
