#include <cstddef>
#include <cstdint>
#include <string>

#include "fuzz/fuzz_check.h"
#include "text/code_page.h"
#include "text/percent.h"

using namespace modian;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data,
                                      std::size_t size) {
  const std::string input(reinterpret_cast<const char*>(data), size);
  const std::string text = input.substr(0, input.find('\0'));

  const auto plain = UrlDecode(input);
  FuzzCheck(HasNoZeroByte(plain), "UrlDecode result holds a zero byte");
  FuzzCheck(plain.size() <= text.size(), "UrlDecode made the text longer");
  if (text.find('%') == std::string::npos) {
    FuzzCheck(plain == text, "UrlDecode changed a text without %");
  }

  const auto viaUtf8 = UrlDecode(input, {.viaUtf8 = true});
  FuzzCheck(HasNoZeroByte(viaUtf8), "UrlDecode via UTF-8 holds a zero byte");
  FuzzCheck(viaUtf8 == Utf8ToAnsi(plain),
            "UrlDecode via UTF-8 differs from decoding then converting");

  FuzzCheck(UrlDecode(UrlEncode(text)) == text,
            "UrlDecode does not undo UrlEncode");
  FuzzCheck(UrlDecode(UrlEncode(text, {.keepLettersAndDigits = true})) == text,
            "UrlDecode does not undo UrlEncode keeping letters");
  return 0;
}
