#include "text/percent.h"

#include <array>
#include <cstdint>
#include <cstring>

#include "text/code_page.h"
#include "text/zero_end.h"

namespace modian {
namespace {

bool StandsForItself(unsigned char byte) {
  return byte == '-' || byte == '.' || (byte >= '0' && byte <= '9') ||
         (byte >= 'A' && byte <= 'Z') || (byte >= 'a' && byte <= 'z');
}

// The value of each byte as a hexadecimal digit of either case; -1 for
// every byte that is none.
constexpr auto kHexValues = [] {
  std::array<std::int8_t, 256> values{};
  for (auto& value : values) value = -1;
  for (int digit = 0; digit < 10; ++digit) values['0' + digit] = digit;
  for (int digit = 0; digit < 6; ++digit) {
    values['A' + digit] = static_cast<std::int8_t>(10 + digit);
    values['a' + digit] = static_cast<std::int8_t>(10 + digit);
  }
  return values;
}();

int HexValue(char digit) {
  return kHexValues[static_cast<unsigned char>(digit)];
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
  // Decoding never lengthens a text, so one buffer of the input's size holds
  // the result and the walk stays linear.
  AnsiText decoded(bytes.size(), '\0');
  char* out = decoded.data();
  const char* in = bytes.data();
  const char* const end = in + bytes.size();
  while (in < end) {
    const auto* percent =
        static_cast<const char*>(std::memchr(in, '%', end - in));
    if (percent == nullptr) percent = end;
    std::memcpy(out, in, percent - in);
    out += percent - in;
    in = percent;
    // Escapes often come in runs, as in the UTF-8 bytes of a character.
    while (in < end && *in == '%') {
      const int high = end - in > 2 ? HexValue(in[1]) : -1;
      const int low = end - in > 2 ? HexValue(in[2]) : -1;
      if (high < 0 || low < 0) {
        *out++ = '%';
        ++in;
        continue;
      }
      const int value = 16 * high + low;
      if (value != 0) *out++ = static_cast<char>(value);
      in += 3;
    }
  }
  decoded.resize(out - decoded.data());
  return options.viaUtf8 ? Utf8ToAnsi(decoded) : decoded;
}

}  // namespace modian
