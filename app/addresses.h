// The addresses the lookup panels point their HTML views at.
#pragma once

#include <string_view>

#include "text/types.h"

namespace modian {

// "https://" DictionarySearchHost "/ZdSearch.asp?Query=" + the GBK bytes of
// `character` percent-encoded + the fixed "Submit" and "Search" fields.
// The empty character gives "…?Query=&Submit=…".
AnsiText DictionaryAddress(std::string_view character);

// "https://" DictionaryFileHost "/Files/WordSwf/" + the UTF-8 bytes of
// `character` percent-encoded + ".swf"; the empty character gives
// "…/Files/WordSwf/.swf".
AnsiText AnimationAddress(std::string_view character);

// "http://" StrokeOrderHost "/mandarin.php?q=" + the UTF-8 bytes of
// `character` percent-encoded; the empty character gives "…?q=".
AnsiText StrokeQueryAddress(std::string_view character);

}  // namespace modian
