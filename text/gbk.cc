#include "text/gbk.h"

#include "text/code_page.h"

namespace modian {

AnsiText Gbk(std::string_view utf8Literal) { return Utf8ToAnsi(utf8Literal); }

}  // namespace modian
