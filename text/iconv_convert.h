// Whole-text conversion between GBK, UTF-8 and UTF-16LE on iconv.
#pragma once

#include <string>
#include <string_view>

namespace modian {

enum class Encoding { kGbk, kUtf8, kUtf16Le };

// All of `input` converted from `from` to `to` in one pass. Each sequence
// that is not valid in `from`, and each character that `to` lacks, becomes
// one "?" and the conversion goes on after it, so the result is always
// complete and well formed.
std::string ConvertAll(std::string_view input, Encoding from, Encoding to);

}  // namespace modian
