// The one way to write a GBK text constant in this UTF-8 source tree.
//
//   const AnsiText marker = Gbk("字的笔顺动画");
//
// Every text the program builds, compares or shows is GBK, so a Chinese
// literal must never be used as it stands.
#pragma once

#include <string_view>

#include "text/types.h"

namespace modian {

// The GBK bytes of a UTF-8 source literal.
AnsiText Gbk(std::string_view utf8Literal);

}  // namespace modian
