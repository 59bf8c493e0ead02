#include "app/hosts.h"

#include <cstdlib>
#include <string_view>

namespace modian {

namespace {

// Read once: a host must not change between the addresses of one run.
AnsiText HostFromEnvironment(const char* variable, std::string_view builtIn) {
  const char* value = std::getenv(variable);
  if (value == nullptr || *value == '\0') return AnsiText(builtIn);
  return AnsiText(value);
}

}  // namespace

const AnsiText& DictionarySearchHost() {
  static const AnsiText host =
      HostFromEnvironment("MODIAN_DICTIONARY_SEARCH_HOST", "zd.hwxnet.com");
  return host;
}

const AnsiText& DictionaryFileHost() {
  static const AnsiText host =
      HostFromEnvironment("MODIAN_DICTIONARY_FILE_HOST", "zd.hwxnet.com");
  return host;
}

const AnsiText& StrokeOrderHost() {
  static const AnsiText host =
      HostFromEnvironment("MODIAN_STROKE_ORDER_HOST", "www.strokeorder.info");
  return host;
}

}  // namespace modian
