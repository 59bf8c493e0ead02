#include "web/base64.h"

#include <cstddef>
#include <string_view>

namespace modian {
namespace {

constexpr std::string_view kAlphabet =
    "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";

}  // namespace

AnsiText Base64Encode(ByteBlock& data) {
  if (data.empty()) return AnsiText();
  const std::size_t remainder = data.size() % 3;
  if (remainder > 0) data.resize(data.size() + 3 - remainder, 0);

  AnsiText out;
  out.reserve(data.size() / 3 * 4);
  for (std::size_t i = 0; i < data.size(); i += 3) {
    const unsigned b0 = data[i], b1 = data[i + 1], b2 = data[i + 2];
    out += kAlphabet[b0 >> 2];
    out += kAlphabet[((b0 & 3) << 4) + (b1 >> 4)];
    out += kAlphabet[((b1 & 15) << 2) + (b2 >> 6)];
    out += kAlphabet[b2 & 63];
  }
  if (remainder == 1) out.replace(out.size() - 2, 2, "==");
  if (remainder == 2) out.back() = '=';
  return out;
}

}  // namespace modian
