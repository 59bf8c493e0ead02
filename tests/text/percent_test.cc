#include "text/percent.h"

#include <gtest/gtest.h>

#include <string>

#include "text/gbk.h"

namespace modian {
namespace {

using namespace std::string_literals;

TEST(UrlEncode, EncodesEveryByteUnlessKept) {
  const struct {
    std::string text;
    UrlEncodeOptions options;
    std::string want;
  } cases[] = {
      {"\xB4\xBA", {}, "%B4%BA"},
      {"\xB4\xBA", {.viaUtf8 = true}, "%E6%98%A5"},
      {"a-b_c", {.keepLettersAndDigits = true}, "a-b%5Fc"},
      {"a-b_c", {}, "%61%2D%62%5F%63"},
      {"A.Z~/* 09", {.keepLettersAndDigits = true}, "A.Z%7E%2F%2A%2009"},
      {"\n", {}, "%0A"},
      {"\xB4\xBA" "a", {true, true}, "%E6%98%A5a"},
      {"", {}, ""},
      {"", {true, true}, ""},
      {"", {.viaUtf8 = true}, ""},
      {"a\0b"s, {}, "%61"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(UrlEncode(c.text, c.options), c.want);
  }
}

TEST(UrlDecode, DecodesEscapesOfEitherCaseAndLeavesTheRest) {
  const struct {
    std::string text;
    UrlDecodeOptions options;
    std::string want;
  } cases[] = {
      {"%e4%b8%ad", {.viaUtf8 = true}, "\xD6\xD0"},
      {"%E4%B8%AD", {.viaUtf8 = true}, "\xD6\xD0"},
      {"%E4%B8%AD", {}, "\xE4\xB8\xAD"},
      {"a+b%20c", {}, "a+b c"},
      {"%00x", {}, "x"},
      {"%B4%BA", {}, "\xB4\xBA"},
      {"\xE6\x98\xA5%E6%98%A5", {.viaUtf8 = true}, "\xB4\xBA\xB4\xBA"},
      {"", {}, ""},
      {"", {.viaUtf8 = true}, ""},
      // A "%" without two hexadecimal digits stays, and decoding goes on
      // with the very next byte.
      {"%", {}, "%"},
      {"a%", {}, "a%"},
      {"%4", {}, "%4"},
      {"100%", {}, "100%"},
      {"%zz%41", {}, "%zzA"},
      {"%%41", {}, "%A"},
      {"%4%41", {}, "%4A"},
      {"%G1", {}, "%G1"},
      {"width:100%;}%E4%B8%AD", {.viaUtf8 = true}, "width:100%;}\xD6\xD0"},
      // Bad UTF-8 after decoding becomes "?" and the rest still converts.
      {"%FFabc%E4%B8%AD", {.viaUtf8 = true}, "?abc\xD6\xD0"},
      {"ab\0%41"s, {}, "ab"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(UrlDecode(c.text, c.options), c.want);
  }
}

TEST(UrlDecode, LeavesATextWithoutPercentUnchanged) {
  std::string text;
  for (int byte = 1; byte < 256; ++byte) {
    if (byte != '%') text.push_back(static_cast<char>(byte));
  }
  EXPECT_EQ(UrlDecode(text), text);
}

TEST(UrlDecode, UndoesUrlEncodeForEveryByte) {
  std::string text;
  for (int repeat = 0; repeat < 3; ++repeat) {
    for (int byte = 1; byte < 256; ++byte) text.push_back(static_cast<char>(byte));
  }
  EXPECT_EQ(UrlDecode(UrlEncode(text)), text);
  EXPECT_EQ(UrlDecode(UrlEncode(text, {.keepLettersAndDigits = true})), text);
  const auto chinese = Gbk("字的笔顺动画");
  EXPECT_EQ(UrlDecode(UrlEncode(chinese, {.viaUtf8 = true}), {.viaUtf8 = true}),
            chinese);
}

}  // namespace
}  // namespace modian
