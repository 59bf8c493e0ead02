#include "text/ascii.h"

#include "text/double_byte.h"
#include "text/zero_end.h"

namespace modian {

AnsiText AsciiUpper(std::string_view text) {
  AnsiText result(UpToZero(text));
  std::size_t at = 0;
  while (true) {
    const auto length = CharLengthAt(result, at);
    if (length == 0) break;
    if (length == 1) result[at] = FoldAsciiCase(result[at]);
    at += length;
  }
  return result;
}

int FirstByteCode(std::string_view text) {
  const auto bytes = UpToZero(text);
  if (bytes.empty()) return 0;
  return static_cast<signed char>(bytes.front());
}

AnsiText ByteToChar(int code) {
  const auto low = static_cast<unsigned char>(code & 0xFF);
  if (low == 0) return {};
  return AnsiText(1, static_cast<char>(low));
}

AnsiText HexDigits(std::int32_t value) {
  static constexpr char kDigits[] = "0123456789ABCDEF";
  auto bits = static_cast<std::uint32_t>(value);
  char buffer[8];
  int used = 0;
  do {
    buffer[7 - used++] = kDigits[bits & 0xF];
    bits >>= 4;
  } while (bits != 0);
  return AnsiText(buffer + 8 - used, static_cast<std::size_t>(used));
}

AnsiText SpaceText(int n) {
  if (n < 1) return {};
  return AnsiText(static_cast<std::size_t>(n), ' ');
}

}  // namespace modian
