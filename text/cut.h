// Counting texts and cutting them by raw byte positions.
//
// These routines count bytes, not characters, and can cut a double-byte
// character in half: take positions and lengths from a search result.
#pragma once

#include <string_view>

#include "text/types.h"

namespace modian {

// The number of bytes before the first zero byte; 0 for the empty text.
int CountBytes(std::string_view text);

// The first `n` bytes. n <= 0 gives the empty text, n > length the whole text.
AnsiText LeftPart(std::string_view text, int n);

// The last `n` bytes. n <= 0 gives the empty text, n > length the whole text.
AnsiText RightPart(std::string_view text, int n);

// `n` bytes from the 1-based `start`. start < 1 or start > length gives the
// empty text (start is not moved into range), so does n <= 0; a run past the
// end is cut at the end.
AnsiText MidPart(std::string_view text, int start, int n);

}  // namespace modian
