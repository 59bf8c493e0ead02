// The value types every routine of the program works on.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace modian {

// A byte string in code page 936 (GBK). It never holds a zero byte: routines
// that take a `std::string_view` read it only up to its first zero byte, so
// an absent text and the empty text are the same thing. Positions count bytes
// and start at 1.
using AnsiText = std::string;

// A counted run of bytes that may hold zero bytes: HTTP bodies, a text's bytes
// while it is encoded, UTF-16 buffers.
using ByteBlock = std::vector<std::uint8_t>;

// An ordered list of texts. Routines that hand out an index into one count
// from 1, as positions do.
using TextArray = std::vector<AnsiText>;

// Whether ASCII letters match regardless of case. No other byte is folded.
enum class Case { kSensitive, kIgnore };

}  // namespace modian
