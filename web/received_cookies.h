// The cookies that a response sets, read from its header text.
#pragma once

#include <string_view>

#include "text/types.h"

namespace modian {

// One entry for each line, in order, that begins with exactly "Set-Cookie: ":
// the value up to its first ";", trimmed of spaces. Lines are separated by
// CR LF; entries are joined with "; ". No such line gives "".
AnsiText ReceivedCookies(std::string_view responseHeaders);

}  // namespace modian
