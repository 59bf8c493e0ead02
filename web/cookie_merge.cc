#include "web/cookie_merge.h"

#include <string>
#include <unordered_set>

#include "text/cut.h"
#include "text/search.h"
#include "text/spaces.h"
#include "text/split.h"

namespace modian {

// The name and repeat look-ups go through hash sets, so that a long list is
// merged in linear time; the results are those of HasCookieNamed and
// FindInList applied entry by entry.
AnsiText MergeCookies(AnsiText& sent, AnsiText& received) {
  sent = StripAllSpaces(sent);
  received = StripAllSpaces(received);

  TextArray merged = SplitBy(received, ";");
  std::unordered_set<AnsiText> names;
  for (const AnsiText& entry : merged) names.insert(CookieName(entry));
  for (AnsiText& entry : SplitBy(sent, ";")) {
    if (names.insert(CookieName(entry)).second) merged.push_back(std::move(entry));
  }

  AnsiText kept;
  for (const AnsiText& entry : merged) {
    if (RightPart(entry, 8) == "=deleted") continue;
    kept += entry;
    kept += "; ";
  }
  kept = LeftPart(kept, CountBytes(kept) - 2);

  sent = JoinDistinct(kept, "; ", true);
  return sent;
}

AnsiText CookieName(std::string_view cookie) {
  const int equals = IndexOf(cookie, "=");
  if (equals == -1) return TrimSpaces(cookie);
  return TrimSpaces(LeftPart(cookie, equals - 1));
}

bool HasCookieNamed(const TextArray& list, std::string_view name) {
  for (const AnsiText& entry : list) {
    if (CookieName(entry) == name) return true;
  }
  return false;
}

AnsiText JoinDistinct(std::string_view text, std::string_view separator,
                      bool splitAtSeparator) {
  TextArray pieces;
  if (splitAtSeparator) {
    pieces = SplitBy(text, separator);
  } else {
    SplitChars(text, pieces);
  }
  const std::string_view sep = separator.substr(0, CountBytes(separator));
  std::unordered_set<std::string_view> seen;
  AnsiText result;
  for (const AnsiText& piece : pieces) {
    if (!seen.insert(piece).second) continue;
    result += piece;
    result += sep;
  }
  return LeftPart(result, CountBytes(result) - CountBytes(sep));
}

int SplitChars(std::string_view text, TextArray& pieces) {
  pieces.clear();
  const std::string_view bytes = text.substr(0, CountBytes(text));
  std::size_t d = 0;
  while (d < bytes.size()) {
    std::size_t length = 1;
    if (d + 1 < bytes.size()) {
      const auto byte = static_cast<unsigned char>(bytes[d]);
      if (byte > 0x80 || (byte == '\r' && bytes[d + 1] == '\n')) length = 2;
    }
    pieces.emplace_back(bytes.substr(d, length));
    d += length;
  }
  return static_cast<int>(pieces.size());
}

int FindInList(const TextArray& list, std::string_view text) {
  const std::string_view wanted = text.substr(0, CountBytes(text));
  for (std::size_t i = 0; i < list.size(); ++i) {
    if (list[i] == wanted) return static_cast<int>(i) + 1;
  }
  return -1;
}

}  // namespace modian
