#include "text/replace.h"

#include <gtest/gtest.h>

#include <string>

#include "text/gbk.h"

namespace modian {
namespace {

TEST(ReplaceAll, ReplacesLeftToRightWithoutOverlapAtCharacterStarts) {
  const struct {
    std::string text;
    std::string part;
    std::string replacement;
    Case match;
    std::string want;
  } cases[] = {
      {"Cookie: a=1", "cookie:", "", Case::kIgnore, " a=1"},
      {"Cookie: a=1", "cookie:", "", Case::kSensitive, "Cookie: a=1"},
      {"aaa", "aa", "b", Case::kSensitive, "ba"},
      {"abab", "ab", "", Case::kSensitive, ""},
      {"a.b.c", ".", "::", Case::kSensitive, "a::b::c"},
      // The replacement is not searched again.
      {"aa", "a", "aa", Case::kSensitive, "aaaa"},
      {"", "a", "b", Case::kSensitive, ""},
      {"abc", "", "x", Case::kSensitive, "abc"},
      {"abc", "abcd", "x", Case::kSensitive, "abc"},
      // The second byte 0x41 of B0 41 is not an "A".
      {"\xB0" "AA", "A", "x", Case::kSensitive, "\xB0" "Ax"},
      {"\xB0\xD6\xD0\xC4", "\xD6\xD0", "x", Case::kSensitive,
       "\xB0\xD6\xD0\xC4"},
      {"\xD6\xD0\xD6\xD0", "\xD6\xD0", "-", Case::kSensitive, "--"},
      // A lead byte that ends the text is kept as it is.
      {"a\xB0", "\xB0", "x", Case::kSensitive, "a\xB0"},
      {"a\xB0", "a", "x", Case::kSensitive, "x\xB0"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text + " / " + c.part + " -> " + c.replacement);
    EXPECT_EQ(ReplaceAll(c.text, c.part, c.replacement, c.match), c.want);
  }
}

TEST(ReplaceAll, TurnsTheQuoteWordIntoAQuote) {
  EXPECT_EQ(ReplaceAll(Gbk("href=#引号x#引号"), Gbk("#引号"), "\"",
                       Case::kSensitive),
            "href=\"x\"");
}

TEST(ReplaceAll, RewritesALongTextCompletely) {
  std::string text;
  std::string want;
  for (int i = 0; i < 200000; ++i) {
    text += "ab\xD6\xD0;";
    want += "ab\xD6\xD0\r\n";
  }
  EXPECT_EQ(ReplaceAll(text, ";", "\r\n", Case::kSensitive), want);
}

}  // namespace
}  // namespace modian
