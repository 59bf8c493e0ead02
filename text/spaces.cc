#include "text/spaces.h"

#include "text/double_byte.h"
#include "text/zero_end.h"

namespace modian {
namespace {

constexpr char kFullWidthSpaceByte = '\xA1';

// The length of the space that starts at `at` (1 or 2), or 0 for any other
// character.
std::size_t SpaceLengthAt(std::string_view text, std::size_t at,
                          std::size_t charLength) {
  if (charLength == 1 && text[at] == ' ') return 1;
  if (charLength == 2 && text[at] == kFullWidthSpaceByte &&
      text[at + 1] == kFullWidthSpaceByte) {
    return 2;
  }
  return 0;
}

}  // namespace

AnsiText TrimSpaces(std::string_view text) {
  const auto bytes = UpToZero(text);
  std::size_t at = 0;
  std::size_t first = bytes.size();
  std::size_t endOfLast = 0;
  while (true) {
    const auto length = CharLengthAt(bytes, at);
    if (length == 0) break;
    if (SpaceLengthAt(bytes, at, length) == 0) {
      if (first == bytes.size()) first = at;
      endOfLast = at + length;
    }
    at += length;
  }
  // A lone lead byte that ends the text is kept as content.
  if (at < bytes.size()) {
    if (first == bytes.size()) first = at;
    endOfLast = bytes.size();
  }
  if (first >= endOfLast) return {};
  return AnsiText(bytes.substr(first, endOfLast - first));
}

AnsiText StripAllSpaces(std::string_view text) {
  const auto bytes = UpToZero(text);
  AnsiText result;
  result.reserve(bytes.size());
  std::size_t at = 0;
  while (true) {
    const auto length = CharLengthAt(bytes, at);
    if (length == 0) break;
    if (SpaceLengthAt(bytes, at, length) == 0) {
      result.append(bytes.substr(at, length));
    }
    at += length;
  }
  result.append(bytes.substr(at));
  return result;
}

}  // namespace modian
