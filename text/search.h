// Searching a GBK text for a part.
//
// Both walks go by the double-byte rule: a byte 0x80-0xFF starts a two-byte
// character, and no match ever begins at the second byte of one. Positions
// are 1-based; -1 means not found.
#pragma once

#include <climits>
#include <string_view>

#include "text/types.h"

namespace modian {

// Passed as `start` to search or cut from the very end of a text.
inline constexpr int kToEnd = INT_MAX;

// The first occurrence of `part` that begins at or after `start`.
// start < 1 counts as 1; start > length gives -1. An empty part gives 1 when
// the stretch searched is not empty, else -1.
int IndexOf(std::string_view text, std::string_view part, int start = 1,
            Case match = Case::kSensitive);

// The last occurrence of `part` that lies wholly within positions 1 to
// start - 1; overlapping occurrences count. start <= 1 gives -1; a start past
// length + 1 (such as kToEnd, the default) searches the whole text. An empty
// part stands at every character start, so it gives the last one searched.
int LastIndexOf(std::string_view text, std::string_view part,
                int start = kToEnd, Case match = Case::kSensitive);

}  // namespace modian
