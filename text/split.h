// Splitting a GBK text at a separator.
#pragma once

#include <string_view>

#include "text/types.h"

namespace modian {

// The pieces between occurrences of `separator` (matched case-sensitively,
// never at a second byte). An empty piece between two separators, or before a
// leading one, is kept; a separator at the very end adds no empty piece.
// "a;;b;" at ";" gives {"a", "", "b"}; ";" gives {""}; "" gives {}.
// An empty separator gives one piece, the whole text.
TextArray SplitBy(std::string_view text, std::string_view separator);

}  // namespace modian
