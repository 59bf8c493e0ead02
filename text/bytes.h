// Conversions between texts and byte blocks, and cutting blocks.
#pragma once

#include <string_view>

#include "text/types.h"

namespace modian {

// The text's bytes without the terminating zero; the empty block for the
// empty text.
ByteBlock AsBytes(std::string_view text);

// The block's bytes up to, and not including, its first zero byte; all of
// them when it holds none.
AnsiText AsText(const ByteBlock& block);

// The number of bytes in the block; 0 for the empty block.
int BlockLength(const ByteBlock& block);

// `n` bytes of the block from the 1-based `start`. start is moved into the
// range 1 to length + 1, n < 0 counts as 0, a run past the end is cut there.
ByteBlock BlockMid(const ByteBlock& block, int start, int n);

// A block of `n` zero bytes; n <= 0 gives the empty block.
ByteBlock ZeroBytes(int n);

}  // namespace modian
