// Spaces in GBK texts: the byte 0x20 and the full-width space A1 A1.
//
// Tab, CR, LF and every other byte are not spaces, and neither is an A1 that
// is the second byte of another character.
#pragma once

#include <string_view>

#include "text/types.h"

namespace modian {

// The text without its leading and trailing runs of spaces (both kinds may
// mix). A text of spaces only gives the empty text.
AnsiText TrimSpaces(std::string_view text);

// The text with every space removed, wherever it stands.
AnsiText StripAllSpaces(std::string_view text);

}  // namespace modian
