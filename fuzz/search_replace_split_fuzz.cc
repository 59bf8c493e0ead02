#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <string>

#include "fuzz/fuzz_check.h"
#include "text/cut.h"
#include "text/replace.h"
#include "text/search.h"
#include "text/split.h"

using namespace modian;

namespace {

char Fold(char byte) {
  return byte >= 'a' && byte <= 'z' ? static_cast<char>(byte - 32) : byte;
}

bool SameIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (Fold(a[i]) != Fold(b[i])) return false;
  }
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data,
                                      std::size_t size) {
  FuzzedDataProvider provider(data, size);
  const int start = provider.ConsumeIntegralInRange<int>(-3, 300);
  const Case match = provider.ConsumeBool() ? Case::kIgnore : Case::kSensitive;
  const std::string part = provider.ConsumeRandomLengthString(8);
  const std::string replacement = provider.ConsumeRandomLengthString(8);
  const std::string text = provider.ConsumeRemainingBytesAsString();
  const std::string ownText = text.substr(0, text.find('\0'));
  const std::string ownPart = part.substr(0, part.find('\0'));
  const int length = CountBytes(text);

  const int first = IndexOf(text, part, start, match);
  if (first != -1) {
    FuzzCheck(first >= 1 && first <= length, "IndexOf out of range");
    if (!ownPart.empty()) {
      FuzzCheck(first >= start, "IndexOf before start");
      const auto found = MidPart(text, first, CountBytes(part));
      FuzzCheck(match == Case::kIgnore ? SameIgnoringCase(found, ownPart)
                                       : found == ownPart,
                "IndexOf found no occurrence");
    }
  }

  const int last = LastIndexOf(text, part, start, match);
  if (last != -1) {
    FuzzCheck(last >= 1, "LastIndexOf out of range");
    FuzzCheck(last + CountBytes(part) <= std::min(start, length + 1),
              "LastIndexOf reaches past start");
  }
  if (!ownPart.empty()) {
    FuzzCheck(IndexOf(text, part, 1, match) <= LastIndexOf(text, part, kToEnd, match),
              "first occurrence after the last");
  }

  const auto replaced = ReplaceAll(text, part, replacement, match);
  FuzzCheck(HasNoZeroByte(replaced), "ReplaceAll result holds a zero byte");
  if (IndexOf(text, part, 1, match) == -1 || ownPart.empty()) {
    FuzzCheck(replaced == ownText, "ReplaceAll changed a text without part");
  }
  FuzzCheck(ReplaceAll(text, part, part, Case::kSensitive) == ownText,
            "replacing a part by itself changed the text");

  const auto pieces = SplitBy(text, part);
  std::string joined;
  for (std::size_t i = 0; i < pieces.size(); ++i) {
    FuzzCheck(HasNoZeroByte(pieces[i]), "SplitBy piece holds a zero byte");
    if (i > 0) joined += ownPart;
    joined += pieces[i];
  }
  FuzzCheck(joined == ownText || joined + ownPart == ownText,
            "SplitBy pieces do not join to the text");
  return 0;
}
