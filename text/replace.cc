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
  while (true) {
    const auto found = FindAtCharStart(bytes, wanted, copiedUpTo,
                                       bytes.size(), ignoreCase);
    if (found == std::string_view::npos) break;
    result.append(bytes.substr(copiedUpTo, found - copiedUpTo));
    result.append(with);
    copiedUpTo = found + wanted.size();
  }
  result.append(bytes.substr(copiedUpTo));
  return result;
}

}  // namespace modian
