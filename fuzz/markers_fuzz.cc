#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <string>

#include "fuzz/fuzz_check.h"
#include "text/markers.h"

using namespace modian;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data,
                                      std::size_t size) {
  FuzzedDataProvider provider(data, size);
  const int start = provider.ConsumeIntegralInRange<int>(-3, 300);
  const Case match = provider.ConsumeBool() ? Case::kIgnore : Case::kSensitive;
  const std::string left = provider.ConsumeRandomLengthString(12);
  const std::string right = provider.ConsumeRandomLengthString(12);
  const std::string text = provider.ConsumeRemainingBytesAsString();
  const std::string ownText = text.substr(0, text.find('\0'));

  const auto before = TextBefore(text, left, start, match);
  FuzzCheck(ownText.starts_with(before), "TextBefore is not a prefix");
  FuzzCheck(before.size() < ownText.size() || before.empty(),
            "TextBefore kept the whole text");

  const auto after = TextAfterLast(text, right, start, match);
  FuzzCheck(ownText.ends_with(after), "TextAfterLast is not a suffix");
  if (!right.empty() && right[0] != '\0') {
    FuzzCheck(after.size() < ownText.size() || after.empty(),
              "TextAfterLast kept the whole text");
  }

  const auto between = TextBetween(text, left, right, start, match);
  FuzzCheck(ownText.find(between) != std::string::npos,
            "TextBetween is not a piece of the text");
  FuzzCheck(HasNoZeroByte(before) && HasNoZeroByte(after) &&
                HasNoZeroByte(between),
            "a cut holds a zero byte");
  return 0;
}
