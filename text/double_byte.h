// The double-byte walk shared by the searching and rewriting routines.
//
// A byte 0x80-0xFF starts a two-byte character whatever the next byte is. A
// lead byte that is the text's last byte starts no character: the walk ends
// there, and callers keep that byte as it stands.
#pragma once

#include <cstddef>
#include <string_view>

namespace modian {

inline bool IsLeadByte(char byte) {
  return static_cast<unsigned char>(byte) >= 0x80;
}

// The length of the character starting at `at`, or 0 when the walk ends there
// (at the end, or at a lead byte that is the last byte).
inline std::size_t CharLengthAt(std::string_view text, std::size_t at) {
  if (at >= text.size()) return 0;
  if (!IsLeadByte(text[at])) return 1;
  return at + 1 < text.size() ? 2 : 0;
}

inline bool IsAsciiLower(char byte) { return byte >= 'a' && byte <= 'z'; }

inline char FoldAsciiCase(char byte) {
  return IsAsciiLower(byte) ? static_cast<char>(byte - 'a' + 'A') : byte;
}

// Whether `part` stands at `at` in `text` (it must fit wholly).
inline bool PartStandsAt(std::string_view text, std::size_t at,
                         std::string_view part, bool ignoreCase) {
  if (part.size() > text.size() - at) return false;
  if (!ignoreCase) return text.compare(at, part.size(), part) == 0;
  for (std::size_t i = 0; i < part.size(); ++i) {
    if (FoldAsciiCase(text[at + i]) != FoldAsciiCase(part[i])) return false;
  }
  return true;
}

// The first occurrence of a non-empty `part` that begins at a character start
// of the walk from `from` (itself taken as a character start) and ends by
// `end`; npos when there is none. Linear in end - from for a short part.
std::size_t FindAtCharStart(std::string_view text, std::string_view part,
                            std::size_t from, std::size_t end,
                            bool ignoreCase);

}  // namespace modian
