#include "text/code_page.h"

#include <optional>

#include "text/iconv_convert.h"
#include "text/zero_end.h"

namespace modian {
namespace {

std::optional<Encoding> EncodingOf(int codePage) {
  switch (codePage) {
    case kAnsiCodePage:
    case kGbkCodePage:
      return Encoding::kGbk;
    case kUtf8CodePage:
      return Encoding::kUtf8;
    default:
      return std::nullopt;
  }
}

// The units of `wide` up to its first zero unit, as bytes; an odd last byte
// is dropped.
std::string_view UnitsUpToZero(const ByteBlock& wide) {
  const auto* data = reinterpret_cast<const char*>(wide.data());
  std::size_t units = 0;
  const std::size_t total = wide.size() / 2;
  while (units < total && (wide[2 * units] != 0 || wide[2 * units + 1] != 0)) {
    ++units;
  }
  return std::string_view(data, 2 * units);
}

}  // namespace

ByteBlock WideFromCodePage(std::string_view text, int codePage) {
  const auto bytes = UpToZero(text);
  const auto encoding = EncodingOf(codePage);
  if (bytes.empty() || !encoding) return {};
  const auto units = ConvertAll(bytes, *encoding, Encoding::kUtf16Le);
  ByteBlock block(units.begin(), units.end());
  block.push_back(0);
  block.push_back(0);
  return block;
}

AnsiText WideToCodePage(const ByteBlock& wide, int codePage) {
  const auto encoding = EncodingOf(codePage);
  if (!encoding) return {};
  return ConvertAll(UnitsUpToZero(wide), Encoding::kUtf16Le, *encoding);
}

AnsiText AnsiToUtf8(std::string_view gbk) {
  return ConvertAll(UpToZero(gbk), Encoding::kGbk, Encoding::kUtf8);
}

AnsiText Utf8ToAnsi(std::string_view utf8) {
  return ConvertAll(UpToZero(utf8), Encoding::kUtf8, Encoding::kGbk);
}

}  // namespace modian
