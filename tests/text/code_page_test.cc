#include "text/code_page.h"

#include <gtest/gtest.h>

#include <string>

namespace modian {
namespace {

using namespace std::string_literals;

TEST(CodePage, KnownCharactersConvertBothWays) {
  const struct {
    std::string gbk;
    std::string utf8;
  } cases[] = {
      {"\xD6\xD0", "\xE4\xB8\xAD"},                      // 中
      {"\xB4\xBA", "\xE6\x98\xA5"},                      // 春
      {"\x80", "\xE2\x82\xAC"},                          // the euro sign
      {"\x81\x40", "\xE4\xB8\x82"},                      // 丂, GBK beyond GB2312
      {"\xA1\xA1", "\xE3\x80\x80"},                      // full-width space
      {"plain ASCII ~!", "plain ASCII ~!"},
      // Several one-byte characters that take three bytes in UTF-8.
      {"\x80\x80\x80\x80", "\xE2\x82\xAC\xE2\x82\xAC\xE2\x82\xAC\xE2\x82\xAC"},
      {"a\xD6\xD0" "b\x80" "c", "a\xE4\xB8\xAD" "b\xE2\x82\xAC" "c"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.utf8);
    EXPECT_EQ(AnsiToUtf8(c.gbk), c.utf8);
    EXPECT_EQ(Utf8ToAnsi(c.utf8), c.gbk);
  }
}

TEST(CodePage, EmptyTextStaysEmpty) {
  EXPECT_EQ(AnsiToUtf8(""), "");
  EXPECT_EQ(Utf8ToAnsi(""), "");
  EXPECT_EQ(Utf8ToAnsi("\0abc"s), "");
  EXPECT_EQ(WideFromCodePage(""), ByteBlock{});
  EXPECT_EQ(WideToCodePage(ByteBlock{}), "");
  EXPECT_EQ(WideToCodePage(ByteBlock{0, 0, 0x41, 0}), "");
}

TEST(CodePage, EveryMappedGbkCharacterSurvivesTheRoundTrip) {
  int mapped = 0;
  for (int lead = 0x81; lead <= 0xFE; ++lead) {
    for (int trail = 0x40; trail <= 0xFE; ++trail) {
      if (trail == 0x7F) continue;
      const std::string gbk{static_cast<char>(lead), static_cast<char>(trail)};
      const auto utf8 = AnsiToUtf8(gbk);
      if (utf8 == "?") continue;
      ++mapped;
      ASSERT_EQ(Utf8ToAnsi(utf8), gbk)
          << std::hex << "lead " << lead << " trail " << trail;
    }
  }
  // GB2312 alone has 7445 characters; GBK has over 21000.
  EXPECT_GT(mapped, 21000);
}

TEST(CodePage, BadUtf8BecomesOneQuestionMarkPerBadSequence) {
  const struct {
    std::string utf8;
    std::string gbk;
  } cases[] = {
      {"a\xFF" "b", "a?b"},
      // A lead byte with a valid continuation, then ASCII: the ASCII stays.
      {"\xE4\xB8" "A", "?A"},
      // The reading of 936 would swallow the 0x41 after B0.
      {"\xB0" "A", "?A"},
      {"\xE4\xB8", "?"},
      {"\xE6\x98\xA5\xE4", "\xB4\xBA?"},
      {"\xC0\x80x", "??x"},
      {"\xED\xA0\x80", "???"},
      {"\x80\x80", "??"},
      {"\xF4\x90\x80\x80", "????"},
      // Well-formed characters that 936 lacks.
      {"\xF0\x9F\x98\x80" "x", "?x"},
      {"\xED\x95\x9C", "?"},
      // GBK read as UTF-8: bad almost byte by byte, ASCII still survives.
      {"\xB4\xBA\xD6\xD0" "a\xB4", "????a?"},
      {"\xFF\xFE\xF0\x9F\x98\x80\xE4\xB8\xAD", "???\xD6\xD0"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.utf8);
    EXPECT_EQ(Utf8ToAnsi(c.utf8), c.gbk);
  }
}

TEST(CodePage, BadGbkBecomesOneQuestionMarkPerBadSequence) {
  const struct {
    std::string gbk;
    std::string utf8;
  } cases[] = {
      {"a\xFF" "b", "a?b"},
      {"\xFF\x41", "?A"},
      {"\x81", "?"},
      {"\xD6\xD0\x81", "\xE4\xB8\xAD?"},
      // A lead byte before a byte that cannot be a second byte: only the
      // lead byte is bad.
      {"\x81 x", "? x"},
      {"\xB0\x7F" "a", "?\x7F" "a"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.gbk);
    EXPECT_EQ(AnsiToUtf8(c.gbk), c.utf8);
  }
}

TEST(CodePage, TextAfterBadUtf8InALongPageStillConverts) {
  std::string utf8;
  std::string want;
  for (int i = 0; i < 50000; ++i) {
    utf8 += "<p>\xE4\xB8\xAD</p>";
    want += "<p>\xD6\xD0</p>";
  }
  utf8 += "\xB0" "A\xFF\xE4\xB8";
  want += "?A??";
  for (int i = 0; i < 50000; ++i) {
    utf8 += "\xE6\x98\xA5" "x";
    want += "\xB4\xBA" "x";
  }
  EXPECT_EQ(Utf8ToAnsi(utf8), want);
}

TEST(WideFromCodePage, GivesUtf16LeUnitsAndAZeroUnit) {
  const struct {
    std::string text;
    int codePage;
    ByteBlock want;
  } cases[] = {
      {"\xE6\x98\xA5", kUtf8CodePage, {0x25, 0x66, 0, 0}},
      {"\xB4\xBA", kGbkCodePage, {0x25, 0x66, 0, 0}},
      {"\xB4\xBA", kAnsiCodePage, {0x25, 0x66, 0, 0}},
      {"A\x80", kAnsiCodePage, {0x41, 0, 0xAC, 0x20, 0, 0}},
      {"\xF0\x9F\x98\x80", kUtf8CodePage, {0x3D, 0xD8, 0x00, 0xDE, 0, 0}},
      {"a\0b"s, kUtf8CodePage, {0x61, 0, 0, 0}},
      {"\xFF", kUtf8CodePage, {0x3F, 0, 0, 0}},
      {"abc", 1252, {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text + " in " + std::to_string(c.codePage));
    EXPECT_EQ(WideFromCodePage(c.text, c.codePage), c.want);
  }
  EXPECT_EQ(WideFromCodePage("\xE6\x98\xA5"),
            WideFromCodePage("\xE6\x98\xA5", kUtf8CodePage));
}

TEST(WideToCodePage, ReadsUnitsUpToTheFirstZeroUnit) {
  const struct {
    ByteBlock wide;
    int codePage;
    std::string want;
  } cases[] = {
      {{0x25, 0x66, 0, 0}, kGbkCodePage, "\xB4\xBA"},
      {{0x25, 0x66, 0, 0}, kUtf8CodePage, "\xE6\x98\xA5"},
      {{0x25, 0x66}, kAnsiCodePage, "\xB4\xBA"},
      {{0x41, 0, 0, 0, 0x42, 0}, kUtf8CodePage, "A"},
      // A zero unit, not a zero byte, ends the units.
      {{0x00, 0x4E, 0x41, 0}, kUtf8CodePage, "\xE4\xB8\x80" "A"},
      {{0x41, 0, 0x42}, kUtf8CodePage, "A"},
      {{0x41}, kUtf8CodePage, ""},
      {{0x00, 0xD8, 0x41, 0}, kUtf8CodePage, "?A"},
      {{0x00, 0xDC, 0x00, 0xD8}, kGbkCodePage, "??"},
      {{0x3D, 0xD8, 0x00, 0xDE}, kUtf8CodePage, "\xF0\x9F\x98\x80"},
      {{0x3D, 0xD8, 0x00, 0xDE, 0x41, 0}, kGbkCodePage, "?A"},
      {{0x5C, 0xD5, 0x41, 0}, kGbkCodePage, "?A"},
      {{0x41, 0}, 1252, ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.wide.size()) + " bytes to " +
                 std::to_string(c.codePage));
    EXPECT_EQ(WideToCodePage(c.wide, c.codePage), c.want);
  }
}

TEST(WideForm, RoundTripsThroughBothCodePages) {
  const std::string utf8 = "x\xE4\xB8\xAD\xE2\x82\xAC y";
  const std::string gbk = "x\xD6\xD0\x80 y";
  EXPECT_EQ(WideToCodePage(WideFromCodePage(utf8), kGbkCodePage), gbk);
  EXPECT_EQ(WideToCodePage(WideFromCodePage(gbk, kGbkCodePage), kUtf8CodePage),
            utf8);
  EXPECT_EQ(WideToCodePage(WideFromCodePage(gbk, kAnsiCodePage)), gbk);
}

}  // namespace
}  // namespace modian
