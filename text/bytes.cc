#include "text/bytes.h"

#include <algorithm>

#include "text/zero_end.h"

namespace modian {

ByteBlock AsBytes(std::string_view text) {
  const auto bytes = UpToZero(text);
  return ByteBlock(bytes.begin(), bytes.end());
}

AnsiText AsText(const ByteBlock& block) {
  const auto zero = std::find(block.begin(), block.end(), std::uint8_t{0});
  return AnsiText(block.begin(), zero);
}

int BlockLength(const ByteBlock& block) {
  return static_cast<int>(block.size());
}

ByteBlock BlockMid(const ByteBlock& block, int start, int n) {
  const auto length = static_cast<long long>(block.size());
  const long long from = std::clamp<long long>(start, 1, length + 1) - 1;
  const long long count = std::min<long long>(std::max(n, 0), length - from);
  return ByteBlock(block.begin() + from, block.begin() + from + count);
}

ByteBlock ZeroBytes(int n) {
  if (n <= 0) return {};
  return ByteBlock(static_cast<std::size_t>(n), 0);
}

}  // namespace modian
