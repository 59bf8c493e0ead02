#include "text/utf8_sequence.h"

namespace modian {
namespace {

struct SequenceShape {
  std::size_t continuations;
  unsigned char secondLow;
  unsigned char secondHigh;
};

// The shapes of well-formed UTF-8: no overlong forms, no surrogates, nothing
// above U+10FFFF. continuations is 0 for a byte that starts no sequence.
SequenceShape ShapeOf(unsigned char lead) {
  if (lead >= 0xC2 && lead <= 0xDF) return {1, 0x80, 0xBF};
  if (lead == 0xE0) return {2, 0xA0, 0xBF};
  if (lead == 0xED) return {2, 0x80, 0x9F};
  if (lead >= 0xE1 && lead <= 0xEF) return {2, 0x80, 0xBF};
  if (lead == 0xF0) return {3, 0x90, 0xBF};
  if (lead >= 0xF1 && lead <= 0xF3) return {3, 0x80, 0xBF};
  if (lead == 0xF4) return {3, 0x80, 0x8F};
  return {0, 0, 0};
}

}  // namespace

std::size_t Utf8SequenceLength(std::string_view bytes) {
  if (bytes.empty()) return 0;
  const auto lead = static_cast<unsigned char>(bytes[0]);
  if (lead < 0x80) return 1;
  const auto shape = ShapeOf(lead);
  for (std::size_t k = 1; k <= shape.continuations; ++k) {
    if (k >= bytes.size()) return k;
    const auto byte = static_cast<unsigned char>(bytes[k]);
    const unsigned char low = k == 1 ? shape.secondLow : 0x80;
    const unsigned char high = k == 1 ? shape.secondHigh : 0xBF;
    if (byte < low || byte > high) return k;
  }
  return shape.continuations + 1;
}

bool StartsWithWellFormedUtf8(std::string_view bytes) {
  if (bytes.empty()) return false;
  const auto lead = static_cast<unsigned char>(bytes[0]);
  if (lead < 0x80) return true;
  const auto continuations = ShapeOf(lead).continuations;
  return continuations != 0 &&
         Utf8SequenceLength(bytes) == continuations + 1;
}

}  // namespace modian
