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
  const bool ignoreCase = match == Case::kIgnore;
  std::size_t at = static_cast<std::size_t>(start) - 1;
  while (bytes.size() - at >= wanted.size()) {
    const auto length = CharLengthAt(bytes, at);
    if (length == 0) break;
    if (PartStandsAt(bytes, at, wanted, ignoreCase)) {
      return static_cast<int>(at) + 1;
    }
    at += length;
  }
  return -1;
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
  const auto stretch = bytes.substr(0, end);
  const bool ignoreCase = match == Case::kIgnore;
  int last = -1;
  std::size_t at = 0;
  // Character starts are only known walking forward from the first byte.
  while (at < stretch.size()) {
    const auto length = CharLengthAt(bytes, at);
    if (length == 0) break;
    if (PartStandsAt(stretch, at, wanted, ignoreCase)) {
      last = static_cast<int>(at) + 1;
    }
    at += length;
  }
  return last;
}

}  // namespace modian
