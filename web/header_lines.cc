#include "web/header_lines.h"

#include "text/ascii.h"
#include "text/cut.h"
#include "text/search.h"
#include "text/spaces.h"
#include "text/split.h"

namespace modian {
namespace {

AnsiText CapitalizeWords(std::string_view name) {
  if (IndexOf(name, "-") == -1) return CapitalizeFirst(name);
  AnsiText joined;
  bool first = true;
  for (const AnsiText& word : SplitBy(name, "-")) {
    if (!first) joined += '-';
    joined += CapitalizeFirst(word);
    first = false;
  }
  // SplitBy gives no piece after a final "-", but the name keeps it.
  if (CountBytes(joined) < CountBytes(name)) joined += '-';
  return joined;
}

}  // namespace

AnsiText NormalizeHeaderNames(std::string_view block) {
  AnsiText result;
  for (const AnsiText& line : SplitBy(block, "\r\n")) {
    const int colon = IndexOf(line, ":");
    if (colon == -1) continue;
    result += CapitalizeWords(LeftPart(line, colon - 1));
    result.append(line, colon - 1);
    result += "\r\n";
  }
  return LeftPart(result, CountBytes(result) - 2);
}

AnsiText CapitalizeFirst(std::string_view word) {
  return AsciiUpper(LeftPart(word, 1)) + MidPart(word, 2, CountBytes(word));
}

AnsiText HeaderName(std::string_view line) {
  const int colon = IndexOf(line, ":");
  if (colon == -1) return AnsiText();
  return TrimSpaces(LeftPart(line, colon - 1));
}

AnsiText HeaderValue(std::string_view line) {
  const int colon = IndexOf(line, ":");
  if (colon == -1) return AnsiText();
  return TrimSpaces(MidPart(line, colon + 1, CountBytes(line)));
}

}  // namespace modian
