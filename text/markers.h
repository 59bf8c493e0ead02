// Cutting a piece out of a text at marker texts.
//
// Each cut gives the empty text when a marker is missing, so cuts chain
// without checks in between. Markers never match at a second byte.
#pragma once

#include <string_view>

#include "text/search.h"
#include "text/types.h"

namespace modian {

// Everything before the first occurrence of `marker` at or after `start`
// (start < 1 counts as 1), including what stands before start. "abc:def:g"
// at ":" gives "abc"; the empty text when the marker is missing or at 1.
AnsiText TextBefore(std::string_view text, std::string_view marker,
                    int start = 1, Case match = Case::kSensitive);

// Everything after the last occurrence of `marker` that lies wholly before
// `start` (by default the whole text is searched), up to the end of the text.
// "1ab2ab3" at "ab" gives "3"; the empty text when the marker is missing or
// ends the text.
AnsiText TextAfterLast(std::string_view text, std::string_view marker,
                       int start = kToEnd, Case match = Case::kSensitive);

// What stands between the first `left` at or after `start` and the first
// `right` after it. In both markers "#引号" (GBK) stands for a double quote.
// The empty text when either marker is missing.
AnsiText TextBetween(std::string_view text, std::string_view left,
                     std::string_view right, int start = 1,
                     Case match = Case::kSensitive);

}  // namespace modian
