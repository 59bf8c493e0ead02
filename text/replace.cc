#include "text/replace.h"

#include "text/double_byte.h"
#include "text/zero_end.h"

namespace modian {

AnsiText ReplaceAll(std::string_view text, std::string_view part,
                    std::string_view replacement, Case match) {
  const auto bytes = UpToZero(text);
  const auto wanted = UpToZero(part);
  const auto with = UpToZero(replacement);
  if (bytes.empty() || wanted.empty()) return AnsiText(bytes);
  const bool ignoreCase = match == Case::kIgnore;
  AnsiText result;
  result.reserve(bytes.size());
  std::size_t copiedUpTo = 0;
  std::size_t at = 0;
  while (bytes.size() - at >= wanted.size()) {
    const auto length = CharLengthAt(bytes, at);
    if (length == 0) break;
    if (PartStandsAt(bytes, at, wanted, ignoreCase)) {
      result.append(bytes.substr(copiedUpTo, at - copiedUpTo));
      result.append(with);
      at += wanted.size();
      copiedUpTo = at;
    } else {
      at += length;
    }
  }
  result.append(bytes.substr(copiedUpTo));
  return result;
}

}  // namespace modian
