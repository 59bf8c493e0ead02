#include <cstddef>
#include <cstdint>
#include <string>

#include "fuzz/fuzz_check.h"
#include "text/search.h"
#include "text/split.h"
#include "web/header_lines.h"

using namespace modian;

namespace {

bool IsLower(char c) { return c >= 'a' && c <= 'z'; }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data,
                                      std::size_t size) {
  const std::string block(reinterpret_cast<const char*>(data), size);
  const AnsiText normalised = NormalizeHeaderNames(block);
  FuzzCheck(HasNoZeroByte(normalised), "zero byte in the result");
  FuzzCheck(NormalizeHeaderNames(normalised) == normalised, "not idempotent");

  TextArray kept;
  for (const AnsiText& line : SplitBy(block, "\r\n")) {
    if (IndexOf(line, ":") != -1) kept.push_back(line);
  }
  const TextArray lines = SplitBy(normalised, "\r\n");
  FuzzCheck(lines.size() == kept.size(), "lines with a colon lost or added");
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const AnsiText& before = kept[i];
    const AnsiText& after = lines[i];
    FuzzCheck(before.size() == after.size(), "a line changed its length");
    const std::size_t colon = static_cast<std::size_t>(IndexOf(before, ":")) - 1;
    FuzzCheck(before.compare(colon, std::string::npos, after, colon,
                             std::string::npos) == 0,
              "the value changed");
    for (std::size_t j = 0; j < colon; ++j) {
      FuzzCheck(before[j] == after[j] ||
                    (IsLower(before[j]) && after[j] == before[j] - 'a' + 'A'),
                "a name byte changed other than by upper-casing");
    }
    const AnsiText name = HeaderName(after), value = HeaderValue(after);
    FuzzCheck(after.find(name) != std::string::npos &&
                  after.find(value) != std::string::npos,
              "name or value is not a piece of the line");
  }
  return 0;
}
