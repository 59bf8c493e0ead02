#include "text/search.h"

#include "text/double_byte.h"
#include "text/zero_end.h"

namespace modian {

int IndexOf(std::string_view text, std::string_view part, int start,
            Case match) {
  const auto bytes = UpToZero(text);
  const auto wanted = UpToZero(part);
  if (start < 1) start = 1;
  if (static_cast<std::size_t>(start) > bytes.size()) return -1;
  if (wanted.empty()) return 1;
  const auto found =
      FindAtCharStart(bytes, wanted, static_cast<std::size_t>(start) - 1,
                      bytes.size(), match == Case::kIgnore);
  return found == std::string_view::npos ? -1 : static_cast<int>(found) + 1;
}

int LastIndexOf(std::string_view text, std::string_view part, int start,
                Case match) {
  const auto bytes = UpToZero(text);
  const auto wanted = UpToZero(part);
  if (start <= 1) return -1;
  // The stretch is positions 1 to start - 1, that is the first `end` bytes.
  const std::size_t end =
      static_cast<std::size_t>(start) - 1 > bytes.size()
          ? bytes.size()
          : static_cast<std::size_t>(start) - 1;
  // Character starts are only known walking forward from the first byte.
  std::size_t at = 0;
  int last = -1;
  if (wanted.empty()) {
    while (at < end) {
      const auto length = CharLengthAt(bytes, at);
      if (length == 0) break;
      last = static_cast<int>(at) + 1;
      at += length;
    }
    return last;
  }
  const bool ignoreCase = match == Case::kIgnore;
  while (true) {
    const auto found = FindAtCharStart(bytes, wanted, at, end, ignoreCase);
    if (found == std::string_view::npos) return last;
    last = static_cast<int>(found) + 1;
    at = found + CharLengthAt(bytes, found);
  }
}

}  // namespace modian
