#include "text/bytes.h"

#include <algorithm>
#include <cstring>

#include "text/zero_end.h"

namespace modian {

ByteBlock AsBytes(std::string_view text) {
  const auto bytes = UpToZero(text);
  return ByteBlock(bytes.begin(), bytes.end());
}

AnsiText AsText(const ByteBlock& block) {
  // A whole downloaded page passes through here: copy it in one go.
  if (block.empty()) return {};
  const auto* data = reinterpret_cast<const char*>(block.data());
  const auto* zero =
      static_cast<const char*>(std::memchr(data, 0, block.size()));
  return AnsiText(data, zero != nullptr ? zero - data : block.size());
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
