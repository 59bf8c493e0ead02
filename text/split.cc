#include "text/split.h"

#include "text/double_byte.h"
#include "text/zero_end.h"

namespace modian {

TextArray SplitBy(std::string_view text, std::string_view separator) {
  const auto bytes = UpToZero(text);
  const auto mark = UpToZero(separator);
  TextArray pieces;
  if (bytes.empty()) return pieces;
  if (mark.empty()) {
    pieces.emplace_back(bytes);
    return pieces;
  }
  std::size_t pieceStart = 0;
  std::size_t at = 0;
  while (bytes.size() - at >= mark.size()) {
    const auto length = CharLengthAt(bytes, at);
    if (length == 0) break;
    if (PartStandsAt(bytes, at, mark, false)) {
      pieces.emplace_back(bytes.substr(pieceStart, at - pieceStart));
      at += mark.size();
      pieceStart = at;
    } else {
      at += length;
    }
  }
  if (pieceStart < bytes.size()) pieces.emplace_back(bytes.substr(pieceStart));
  return pieces;
}

}  // namespace modian
