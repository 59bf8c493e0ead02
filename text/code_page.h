// Conversion between GBK, UTF-8 and UTF-16.
//
// Code pages are named by their numbers: 936 is GBK (CP936, where the byte
// 0x80 is the euro sign), 65001 is UTF-8, and 0 is the system's ANSI code
// page, which for this program is 936. A character that the target lacks
// becomes "?". Input that is not valid in its code page is converted in full:
// each bad sequence becomes "?" and the conversion goes on.
#pragma once

#include <string_view>

#include "text/types.h"

namespace modian {

inline constexpr int kAnsiCodePage = 0;
inline constexpr int kGbkCodePage = 936;
inline constexpr int kUtf8CodePage = 65001;

// The text as UTF-16 little-endian code units followed by at least one zero
// unit; readers stop at the first zero unit. The empty text, or a code page
// that cannot be converted, gives the empty block.
ByteBlock WideFromCodePage(std::string_view text,
                           int codePage = kUtf8CodePage);

// The UTF-16 units of `wide`, up to its first zero unit (or its end), as bytes
// in `codePage`. An odd trailing byte is ignored.
AnsiText WideToCodePage(const ByteBlock& wide, int codePage = kAnsiCodePage);

// GBK bytes to UTF-8 bytes; the empty text stays empty.
AnsiText AnsiToUtf8(std::string_view gbk);

// UTF-8 bytes to GBK bytes; the empty text stays empty.
AnsiText Utf8ToAnsi(std::string_view utf8);

}  // namespace modian
