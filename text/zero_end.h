// Reading a text as the program sees it: up to its first zero byte.
#pragma once

#include <string_view>

namespace modian {

// The bytes of `text` before its first zero byte; all of them when it holds
// none.
inline std::string_view UpToZero(std::string_view text) {
  const auto zero = text.find('\0');
  return zero == std::string_view::npos ? text : text.substr(0, zero);
}

}  // namespace modian
