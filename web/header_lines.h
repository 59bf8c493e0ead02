// Preparing request header blocks: normalising the names of a block, and
// splitting one header line into its name and value.
//
// A header block is a run of lines separated by CR LF; a lone CR or LF is an
// ordinary byte. A header line is a name, ":" and a value; the first ":"
// separates them, later ones belong to the value.
#pragma once

#include <string_view>

#include "text/types.h"

namespace modian {

// The block with every line that holds no ":" dropped (empty lines too) and
// every other line kept in place, byte for byte, except that the first byte of
// each "-"-separated word of its name goes through AsciiUpper. The value and
// the separator after the name never change. No line kept gives the empty
// text; the result has no CR LF at its end.
AnsiText NormalizeHeaderNames(std::string_view block);

// The word with its first byte passed through AsciiUpper; "" stays "".
AnsiText CapitalizeFirst(std::string_view word);

// The bytes before the line's first ":", trimmed of spaces; "" when the line
// holds no ":".
AnsiText HeaderName(std::string_view line);

// The bytes after the line's first ":", trimmed of spaces; "" when the line
// holds no ":".
AnsiText HeaderValue(std::string_view line);

}  // namespace modian
