#include "app/addresses.h"

#include "app/hosts.h"
#include "text/percent.h"

namespace modian {

AnsiText DictionaryAddress(std::string_view character) {
  return "https://" + DictionarySearchHost() + "/ZdSearch.asp?Query=" +
         UrlEncode(character) +
         "&Submit=%D7%D6%B5%E4%B2%E9%D1%AF&Search=SWord";
}

AnsiText AnimationAddress(std::string_view character) {
  return "https://" + DictionaryFileHost() + "/Files/WordSwf/" +
         UrlEncode(character, {.viaUtf8 = true}) + ".swf";
}

AnsiText StrokeQueryAddress(std::string_view character) {
  return "http://" + StrokeOrderHost() + "/mandarin.php?q=" +
         UrlEncode(character, {.viaUtf8 = true});
}

}  // namespace modian
