// Invariant checks for the fuzz targets: a broken one aborts, which libFuzzer
// reports as a crash with the input that caused it.
#pragma once

#include <cstdio>
#include <cstdlib>
#include <string_view>

namespace modian {

inline void FuzzCheck(bool holds, const char* what) {
  if (!holds) {
    std::fprintf(stderr, "invariant broken: %s\n", what);
    std::abort();
  }
}

inline bool HasNoZeroByte(std::string_view text) {
  return text.find('\0') == std::string_view::npos;
}

}  // namespace modian
