#include "text/percent.h"

#include <cstring>

#include "text/code_page.h"
#include "text/zero_end.h"

namespace modian {
namespace {

bool StandsForItself(unsigned char byte) {
  return byte == '-' || byte == '.' || (byte >= '0' && byte <= '9') ||
         (byte >= 'A' && byte <= 'Z') || (byte >= 'a' && byte <= 'z');
}

int HexValue(char digit) {
  if (digit >= '0' && digit <= '9') return digit - '0';
  if (digit >= 'A' && digit <= 'F') return digit - 'A' + 10;
  if (digit >= 'a' && digit <= 'f') return digit - 'a' + 10;
  return -1;
}

}  // namespace

AnsiText UrlEncode(std::string_view text, UrlEncodeOptions options) {
  static constexpr char kDigits[] = "0123456789ABCDEF";
  const auto own = UpToZero(text);
  if (own.empty()) return {};
  const AnsiText utf8 = options.viaUtf8 ? AnsiToUtf8(own) : AnsiText();
  const std::string_view bytes = options.viaUtf8 ? std::string_view(utf8) : own;
  AnsiText encoded;
  encoded.reserve(3 * bytes.size());
  for (const char c : bytes) {
    const auto byte = static_cast<unsigned char>(c);
    if (options.keepLettersAndDigits && StandsForItself(byte)) {
      encoded.push_back(c);
    } else {
      encoded.push_back('%');
      encoded.push_back(kDigits[byte >> 4]);
      encoded.push_back(kDigits[byte & 0xF]);
    }
  }
  return encoded;
}

AnsiText UrlDecode(std::string_view text, UrlDecodeOptions options) {
  const auto bytes = UpToZero(text);
  AnsiText decoded;
  decoded.reserve(bytes.size());
  std::size_t at = 0;
  while (at < bytes.size()) {
    const void* found =
        std::memchr(bytes.data() + at, '%', bytes.size() - at);
    const std::size_t percent =
        found ? static_cast<const char*>(found) - bytes.data() : bytes.size();
    decoded.append(bytes.data() + at, percent - at);
    if (percent == bytes.size()) break;
    const int high =
        percent + 1 < bytes.size() ? HexValue(bytes[percent + 1]) : -1;
    const int low =
        percent + 2 < bytes.size() ? HexValue(bytes[percent + 2]) : -1;
    if (high < 0 || low < 0) {
      decoded.push_back('%');
      at = percent + 1;
      continue;
    }
    const int value = 16 * high + low;
    if (value != 0) decoded.push_back(static_cast<char>(value));
    at = percent + 3;
  }
  return options.viaUtf8 ? Utf8ToAnsi(decoded) : decoded;
}

}  // namespace modian
