// The three web sites the lookups use, each a host name that may carry a
// port ("127.0.0.1:8080"), without scheme, path or trailing "/".
//
// The environment variables MODIAN_DICTIONARY_SEARCH_HOST,
// MODIAN_DICTIONARY_FILE_HOST and MODIAN_STROKE_ORDER_HOST replace them, for
// tests and mirrors; an empty or unset variable keeps the built-in host.
#pragma once

#include "text/types.h"

namespace modian {

// Serves "/ZdSearch.asp", taking the GBK-encoded character in "Query".
const AnsiText& DictionarySearchHost();
// Serves "/Files/WordSwf/" with one ".swf" file per UTF-8-encoded character.
const AnsiText& DictionaryFileHost();
// Serves "/mandarin.php?q=" with the character's stroke-order picture.
const AnsiText& StrokeOrderHost();

}  // namespace modian
