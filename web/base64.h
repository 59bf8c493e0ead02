// Base64 (RFC 4648: standard alphabet, "=" padding, no line breaks), as the
// text of a Basic "Proxy-Authorization" header needs it.
#pragma once

#include "text/types.h"

namespace modian {

// The Base64 text of the block's bytes; the empty block gives "" and stays
// as it is. A block whose length is not a multiple of 3 is padded in place
// with one or two zero bytes up to the next multiple.
AnsiText Base64Encode(ByteBlock& data);

}  // namespace modian
