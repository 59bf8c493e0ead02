// Merging the cookies sent with a request and the cookies its answer set into
// one list to send next time.
//
// A cookie list is entries separated by ";"; an entry is a name, "=" and a
// value. A merged list has no spaces, entries joined by "; ", no "=deleted"
// entry and no entry twice.
#pragma once

#include <string_view>

#include "text/types.h"

namespace modian {

// The received entries in their order, then each sent entry whose name no
// earlier entry has, without any entry ending in "=deleted" and without
// repeats. Both variables lose all their spaces; `sent` ends up holding the
// result. Empty lists give "". Linear in the size of the lists.
AnsiText MergeCookies(AnsiText& sent, AnsiText& received);

// The bytes before the first "=" (the whole entry when it has none), trimmed
// of spaces; "" for an entry that begins with "=".
AnsiText CookieName(std::string_view cookie);

// Whether some entry's CookieName is exactly `name` (case counts).
bool HasCookieNamed(const TextArray& list, std::string_view name);

// The pieces of `text` without repeats, in their first order, joined with
// `separator`. Pieces are cut at `separator` when `splitAtSeparator`, else
// they are the characters of the text (SplitChars). "" gives "".
AnsiText JoinDistinct(std::string_view text, std::string_view separator,
                      bool splitAtSeparator);

// Fills `pieces` (emptied first) with the characters of `text`: a byte above
// 0x80 with the byte after it, CR LF as one piece, any other byte alone; a lead
// byte in the last position stands alone. Returns the number of pieces.
int SplitChars(std::string_view text, TextArray& pieces);

// The 1-based index of the first entry equal to `text` byte for byte; -1 when
// there is none.
int FindInList(const TextArray& list, std::string_view text);

}  // namespace modian
