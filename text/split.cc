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
  while (true) {
    const auto found =
        FindAtCharStart(bytes, mark, pieceStart, bytes.size(), false);
    if (found == std::string_view::npos) break;
    pieces.emplace_back(bytes.substr(pieceStart, found - pieceStart));
    pieceStart = found + mark.size();
  }
  if (pieceStart < bytes.size()) pieces.emplace_back(bytes.substr(pieceStart));
  return pieces;
}

}  // namespace modian
