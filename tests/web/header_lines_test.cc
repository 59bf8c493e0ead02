#include "web/header_lines.h"

#include <gtest/gtest.h>

#include "text/gbk.h"

namespace modian {
namespace {

struct NormalizeCase {
  const char* name;
  AnsiText block;
  AnsiText want;
};

TEST(NormalizeHeaderNames, KeepsHeaderLinesAndCapitalisesEachNameWord) {
  const NormalizeCase cases[] = {
      {"empty block", "", ""},
      {"no line holds a colon", "abc\r\ndef\r\n\r\n", ""},
      {"lower-case name", "content-type: text/html", "Content-Type: text/html"},
      {"leading CR LF of appended defaults", "\r\nAccept: */*\r\nreferer: x",
       "Accept: */*\r\nReferer: x"},
      {"line without colon between headers", "a: 1\r\njunk\r\nb: 2",
       "A: 1\r\nB: 2"},
      {"final CR LF adds no line", "a: 1\r\n", "A: 1"},
      {"separator kept as written", "a:1\r\nb:  2 ", "A:1\r\nB:  2 "},
      {"value never changes", "x-id: abc-def: ghi", "X-Id: abc-def: ghi"},
      {"leading spaces keep first word", "  accept-language: zh",
       "  accept-Language: zh"},
      {"trailing dash kept", "x-: 1", "X-: 1"},
      {"double dash kept", "a--b: 1", "A--B: 1"},
      {"dash alone", "-: 1", "-: 1"},
      {"empty name", ": value", ": value"},
      {"only the first byte of a word", "accept-LANGUAGE: zh",
       "Accept-LANGUAGE: zh"},
      {"digit and upper case unchanged", "1x-Yz: 1", "1x-Yz: 1"},
      {"double-byte word unchanged", Gbk("名-abc: 值"), Gbk("名-Abc: 值")},
      {"lone CR and LF are line bytes", "a: 1\rb: 2\nc", "A: 1\rb: 2\nc"},
      {"empty lines dropped", "a: 1\r\n\r\n\r\nb: 2", "A: 1\r\nB: 2"},
  };
  for (const NormalizeCase& c : cases) {
    EXPECT_EQ(NormalizeHeaderNames(c.block), c.want) << c.name;
  }
}

TEST(NormalizeHeaderNames, DashAfterLeadByteIsPartOfTheCharacter) {
  // 0xB0 0x2D is one double-byte character, so the "-" there starts no word.
  const AnsiText line = AnsiText("x\xB0-b: 1");
  EXPECT_EQ(NormalizeHeaderNames(line), AnsiText("X\xB0-b: 1"));
}

TEST(CapitalizeFirst, UpperCasesOnlyTheFirstByte) {
  const std::pair<AnsiText, AnsiText> cases[] = {
      {"", ""}, {"a", "A"}, {"abc", "Abc"}, {"aBC", "ABC"},
      {"Zed", "Zed"}, {"9a", "9a"}, {" a", " a"}, {Gbk("春a"), Gbk("春a")},
  };
  for (const auto& [word, want] : cases) {
    EXPECT_EQ(CapitalizeFirst(word), want) << word;
  }
}

TEST(HeaderNameAndValue, SplitAtTheFirstColonAndTrim) {
  struct Case {
    AnsiText line, name, value;
  };
  const Case cases[] = {
      {"", "", ""},
      {"no colon here", "", ""},
      {"Accept: */*", "Accept", "*/*"},
      {"  Host :  a.b  ", "Host", "a.b"},
      {"Referer: http://a.b:8080/x", "Referer", "http://a.b:8080/x"},
      {": v", "", "v"},
      {"N:", "N", ""},
      {"Time: 12:30:00", "Time", "12:30:00"},
      {Gbk("名:　值　"), Gbk("名"), Gbk("值")},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(HeaderName(c.line), c.name) << c.line;
    EXPECT_EQ(HeaderValue(c.line), c.value) << c.line;
  }
}

}  // namespace
}  // namespace modian
