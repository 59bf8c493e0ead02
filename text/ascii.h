// Single-byte conversions: case, byte codes, hexadecimal digits, runs of
// spaces.
#pragma once

#include <cstdint>
#include <string_view>

#include "text/types.h"

namespace modian {

// A copy with a-z turned into A-Z; second bytes of double-byte characters and
// every other byte stay as they are.
AnsiText AsciiUpper(std::string_view text);

// The first byte read as a signed 8-bit number (-128 to 127); 0 for the empty
// text. A text beginning with the byte B0 gives -80.
int FirstByteCode(std::string_view text);

// A one-byte text holding the low 8 bits of `code`; the empty text when they
// are all zero (0, 256).
AnsiText ByteToChar(int code);

// Upper-case hexadecimal digits without leading zeros or prefix: 0 gives "0",
// 255 gives "FF", a negative number the eight digits of its two's complement.
AnsiText HexDigits(std::int32_t value);

// A text of `n` spaces (0x20); n < 1 gives the empty text.
AnsiText SpaceText(int n);

}  // namespace modian
