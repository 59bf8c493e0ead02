#include <cstddef>
#include <cstdint>
#include <string>

#include "fuzz/fuzz_check.h"
#include "text/code_page.h"
#include "text/utf8_sequence.h"

using namespace modian;

namespace {

bool IsWellFormedUtf8(std::string_view text) {
  while (!text.empty()) {
    const auto length = Utf8SequenceLength(text);
    const auto lead = static_cast<unsigned char>(text[0]);
    const std::size_t expected =
        lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
    if (lead >= 0x80 && lead < 0xC2) return false;
    if (length != expected) return false;
    text.remove_prefix(length);
  }
  return true;
}

bool EndsWithZeroUnit(const ByteBlock& block) {
  return block.size() >= 2 && block.size() % 2 == 0 &&
         block[block.size() - 1] == 0 && block[block.size() - 2] == 0;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data,
                                      std::size_t size) {
  const std::string input(reinterpret_cast<const char*>(data), size);
  const bool emptyText = input.empty() || input[0] == '\0';

  const auto utf8 = AnsiToUtf8(input);
  FuzzCheck(HasNoZeroByte(utf8), "AnsiToUtf8 result holds a zero byte");
  FuzzCheck(IsWellFormedUtf8(utf8), "AnsiToUtf8 result is not UTF-8");
  FuzzCheck(emptyText == utf8.empty(), "AnsiToUtf8 lost or made a text");
  FuzzCheck(Utf8ToAnsi(utf8) == Utf8ToAnsi(AnsiToUtf8(Utf8ToAnsi(utf8))),
            "GBK from AnsiToUtf8 does not round-trip");

  const auto gbk = Utf8ToAnsi(input);
  FuzzCheck(HasNoZeroByte(gbk), "Utf8ToAnsi result holds a zero byte");
  FuzzCheck(emptyText == gbk.empty(), "Utf8ToAnsi lost or made a text");
  FuzzCheck(AnsiToUtf8(Utf8ToAnsi(AnsiToUtf8(gbk))) == AnsiToUtf8(gbk),
            "UTF-8 from Utf8ToAnsi does not round-trip");

  for (const int codePage : {kAnsiCodePage, kGbkCodePage, kUtf8CodePage}) {
    const auto wide = WideFromCodePage(input, codePage);
    FuzzCheck(emptyText ? wide.empty() : EndsWithZeroUnit(wide),
              "WideFromCodePage block is not terminated");
    const auto back = WideToCodePage(wide, codePage);
    FuzzCheck(HasNoZeroByte(back), "WideToCodePage result holds a zero byte");
  }

  const ByteBlock raw(data, data + size);
  for (const int codePage : {kGbkCodePage, kUtf8CodePage}) {
    const auto text = WideToCodePage(raw, codePage);
    FuzzCheck(HasNoZeroByte(text), "WideToCodePage result holds a zero byte");
  }
  FuzzCheck(IsWellFormedUtf8(WideToCodePage(raw, kUtf8CodePage)),
            "WideToCodePage to UTF-8 is not UTF-8");
  return 0;
}
