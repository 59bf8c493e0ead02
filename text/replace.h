// Replacing every occurrence of a part of a GBK text.
#pragma once

#include <string_view>

#include "text/types.h"

namespace modian {

// A copy of `text` in which every occurrence of `part`, taken left to right
// without overlap and never starting at a second byte, is replaced by
// `replacement`. An empty text or an empty part gives an unchanged copy.
// With Case::kIgnore, ASCII letters match regardless of case.
AnsiText ReplaceAll(std::string_view text, std::string_view part,
                    std::string_view replacement, Case match);

}  // namespace modian
