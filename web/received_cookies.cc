#include "web/received_cookies.h"

#include "text/cut.h"
#include "text/markers.h"
#include "text/replace.h"
#include "text/search.h"
#include "text/spaces.h"
#include "text/split.h"

namespace modian {

AnsiText ReceivedCookies(std::string_view responseHeaders) {
  AnsiText received;
  for (const AnsiText& line : SplitBy(responseHeaders, "\r\n")) {
    if (TextBefore(line, ": ") != "Set-Cookie") continue;
    const AnsiText entry =
        IndexOf(line, ";") != -1
            ? TextBetween(line, "Set-Cookie:", ";")
            : ReplaceAll(line, "Set-Cookie:", "", Case::kIgnore);
    received += TrimSpaces(entry);
    received += "; ";
  }
  if (RightPart(received, 2) == "; ") {
    received = LeftPart(received, CountBytes(received) - 2);
  }
  return received;
}

}  // namespace modian
