// How far a bad or unmappable UTF-8 sequence reaches.
#pragma once

#include <cstddef>
#include <string_view>

namespace modian {

// The length of the UTF-8 sequence at the front of `bytes` when it is well
// formed; otherwise the length of its maximal ill-formed part (at least 1),
// so a valid character that follows a bad byte is never swallowed. 0 only
// for empty `bytes`.
std::size_t Utf8SequenceLength(std::string_view bytes);

// Whether `bytes` begins with a well-formed UTF-8 sequence.
bool StartsWithWellFormedUtf8(std::string_view bytes);

}  // namespace modian
