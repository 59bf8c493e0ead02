#include "text/markers.h"

#include <gtest/gtest.h>

#include <string>

#include "text/gbk.h"

namespace modian {
namespace {

struct CutCase {
  std::string text;
  std::string marker;
  int start;
  Case match;
  std::string want;
};

std::string Describe(const CutCase& c) {
  return c.text + " at " + c.marker + " from " + std::to_string(c.start);
}

TEST(TextBefore, KeepsWhatStandsBeforeTheFirstMarker) {
  const CutCase cases[] = {
      {"abc:def:g", ":", 1, Case::kSensitive, "abc"},
      {"abc:def:g", ";", 1, Case::kSensitive, ""},
      {":abc", ":", 1, Case::kSensitive, ""},
      {"abc:def:g", ":", 5, Case::kSensitive, "abc:def"},
      {"abc:def:g", ":", 0, Case::kSensitive, "abc"},
      {"abc:def:g", ":", -7, Case::kSensitive, "abc"},
      {"abc:def:g", ":", 10, Case::kSensitive, ""},
      {"Content-Type: text/html", ": ", 1, Case::kSensitive, "Content-Type"},
      {"aXb", "x", 1, Case::kSensitive, ""},
      {"aXb", "x", 1, Case::kIgnore, "a"},
      {"\xB0\xD6\xD0\xC4", "\xD6\xD0", 1, Case::kSensitive, ""},
      {"a.gif.gif", ".gif", 1, Case::kSensitive, "a"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(Describe(c));
    EXPECT_EQ(TextBefore(c.text, c.marker, c.start, c.match), c.want);
  }
}

TEST(TextAfterLast, KeepsWhatStandsAfterTheLastMarker) {
  const CutCase cases[] = {
      {"1ab2ab3", "ab", kToEnd, Case::kSensitive, "3"},
      {"a.gif.gif", ".gif", kToEnd, Case::kSensitive, ""},
      {"1ab2ab3", "ab", 6, Case::kSensitive, "2ab3"},
      {"1ab2ab3", "ab", 7, Case::kSensitive, "3"},
      {"1ab2ab3", "ab", 1, Case::kSensitive, ""},
      {"1ab2ab3", "xy", kToEnd, Case::kSensitive, ""},
      {"1AB2ab3", "ab", kToEnd, Case::kIgnore, "3"},
      {"1ab2AB3", "ab", kToEnd, Case::kSensitive, "2AB3"},
      {"http://a/http://b/c", "http", kToEnd, Case::kSensitive, "://b/c"},
      {"\xB0\xD6\xD0\xC4", "\xD6\xD0", kToEnd, Case::kSensitive, ""},
      {"\xD6\xD0\xB0\xD6\xD0\xC4", "\xD6\xD0", kToEnd, Case::kSensitive,
       "\xB0\xD6\xD0\xC4"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(Describe(c));
    EXPECT_EQ(TextAfterLast(c.text, c.marker, c.start, c.match), c.want);
  }
}

TEST(TextBetween, KeepsWhatStandsBetweenTheMarkers) {
  const struct {
    std::string text;
    std::string left;
    std::string right;
    int start;
    Case match;
    std::string want;
  } cases[] = {
      {"Set-Cookie: id=5; path=/", "Set-Cookie:", ";", 1, Case::kSensitive,
       " id=5"},
      {"Set-Cookie: id=5", "Set-Cookie:", ";", 1, Case::kSensitive, ""},
      {"set-cookie: id=5; path=/", "Set-Cookie:", ";", 1, Case::kIgnore,
       " id=5"},
      {"set-cookie: id=5; path=/", "Set-Cookie:", ";", 1, Case::kSensitive,
       ""},
      {"<a href=\"x.gif\">", Gbk("href=#引号"), Gbk("#引号"), 1,
       Case::kSensitive, "x.gif"},
      {"[][b]", "[", "]", 1, Case::kSensitive, ""},
      {"[a][b]", "[", "]", 2, Case::kSensitive, "b"},
      {"[a][b]", "[", "]", 0, Case::kSensitive, "a"},
      {"a]b[", "[", "]", 1, Case::kSensitive, ""},
      {"abc[", "[", "]", 1, Case::kSensitive, ""},
      {"\xB0\xD6\xD0\xC4]", "\xD6\xD0", "]", 1, Case::kSensitive, ""},
      {"\xD6\xD0x\xB0\xD6\xD0\xC4\xD6\xD0", "\xD6\xD0", "\xD6\xD0", 1,
       Case::kSensitive, "x\xB0\xD6\xD0\xC4"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text + " between " + c.left + " and " + c.right);
    EXPECT_EQ(TextBetween(c.text, c.left, c.right, c.start, c.match), c.want);
  }
}

TEST(MarkerCuts, DefaultsSearchTheWholeTextWithExactCase) {
  EXPECT_EQ(TextBefore("aXbxc", "x"), "aXb");
  EXPECT_EQ(TextAfterLast("axbXc", "x"), "bXc");
  EXPECT_EQ(TextBetween("<X>(a)", "(", ")"), "a");
}

}  // namespace
}  // namespace modian
