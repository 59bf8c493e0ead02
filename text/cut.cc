#include "text/cut.h"

#include "text/zero_end.h"

namespace modian {

int CountBytes(std::string_view text) {
  return static_cast<int>(UpToZero(text).size());
}

AnsiText LeftPart(std::string_view text, int n) {
  const auto bytes = UpToZero(text);
  if (n <= 0) return {};
  return AnsiText(bytes.substr(0, static_cast<std::size_t>(n)));
}

AnsiText RightPart(std::string_view text, int n) {
  const auto bytes = UpToZero(text);
  if (n <= 0) return {};
  const auto count = static_cast<std::size_t>(n);
  if (count >= bytes.size()) return AnsiText(bytes);
  return AnsiText(bytes.substr(bytes.size() - count));
}

AnsiText MidPart(std::string_view text, int start, int n) {
  const auto bytes = UpToZero(text);
  if (start < 1 || static_cast<std::size_t>(start) > bytes.size() || n <= 0) {
    return {};
  }
  return AnsiText(bytes.substr(static_cast<std::size_t>(start) - 1,
                               static_cast<std::size_t>(n)));
}

}  // namespace modian
