#include "text/markers.h"

#include "text/cut.h"
#include "text/gbk.h"
#include "text/replace.h"

namespace modian {
namespace {

AnsiText WithQuotes(std::string_view marker) {
  static const AnsiText kQuoteWord = Gbk("#引号");
  return ReplaceAll(marker, kQuoteWord, "\"", Case::kSensitive);
}

}  // namespace

AnsiText TextBefore(std::string_view text, std::string_view marker, int start,
                    Case match) {
  if (start < 1) start = 1;
  const int position = IndexOf(text, marker, start, match);
  if (position < 0) return {};
  return LeftPart(text, position - 1);
}

AnsiText TextAfterLast(std::string_view text, std::string_view marker,
                       int start, Case match) {
  const int position = LastIndexOf(text, marker, start, match);
  if (position < 0) return {};
  return RightPart(text,
                   CountBytes(text) - CountBytes(marker) - position + 1);
}

AnsiText TextBetween(std::string_view text, std::string_view left,
                     std::string_view right, int start, Case match) {
  const AnsiText leftMarker = WithQuotes(left);
  const AnsiText rightMarker = WithQuotes(right);
  if (start < 1) start = 1;
  const int leftPosition = IndexOf(text, leftMarker, start, match);
  if (leftPosition < 0) return {};
  const int contentStart = leftPosition + CountBytes(leftMarker);
  const int rightPosition = IndexOf(text, rightMarker, contentStart, match);
  if (rightPosition < 0) return {};
  return MidPart(text, contentStart, rightPosition - contentStart);
}

}  // namespace modian
