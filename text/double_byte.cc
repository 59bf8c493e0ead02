#include "text/double_byte.h"

namespace modian {
namespace {

std::size_t FindFoldingCase(std::string_view text, std::string_view part,
                            std::size_t from, std::size_t end) {
  std::size_t at = from;
  // A two-byte character can step past `end`, so `at < end` comes first.
  while (at < end && end - at >= part.size()) {
    const auto length = CharLengthAt(text, at);
    if (length == 0) break;
    if (PartStandsAt(text, at, part, true)) return at;
    at += length;
  }
  return std::string_view::npos;
}

}  // namespace

std::size_t FindAtCharStart(std::string_view text, std::string_view part,
                            std::size_t from, std::size_t end,
                            bool ignoreCase) {
  constexpr auto npos = std::string_view::npos;
  if (from >= end || end - from < part.size()) return npos;
  if (ignoreCase) return FindFoldingCase(text, part, from, end);
  const auto stretch = text.substr(0, end);
  // `known` is always a character start. A byte below 0x80 ends a character
  // whether it is one itself or a second byte, so only the run of lead-range
  // bytes right before a candidate decides whether the candidate starts one.
  std::size_t known = from;
  std::size_t candidate = stretch.find(part, from);
  while (candidate != npos) {
    std::size_t runStart = candidate;
    while (runStart > known && IsLeadByte(text[runStart - 1])) --runStart;
    if ((candidate - runStart) % 2 == 0) {
      if (CharLengthAt(text, candidate) == 0) return npos;
      return candidate;
    }
    known = candidate + 1;
    candidate = stretch.find(part, known);
  }
  return npos;
}

}  // namespace modian
