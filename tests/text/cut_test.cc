#include "text/cut.h"

#include <gtest/gtest.h>

#include <string>

namespace modian {
namespace {

using namespace std::string_literals;

TEST(CountBytes, StopsAtTheFirstZeroByte) {
  const struct {
    std::string text;
    int want;
  } cases[] = {
      {"", 0}, {"abc", 3}, {"\xD6\xD0", 2}, {"ab\0c"s, 2}, {"\0abc"s, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(CountBytes(c.text), c.want);
  }
}

TEST(LeftAndRightPart, CountRawBytesAndClampAtTheEdges) {
  const struct {
    std::string text;
    int n;
    std::string left;
    std::string right;
  } cases[] = {
      {"abc", 0, "", ""},
      {"abc", -4, "", ""},
      {"abc", 2, "ab", "bc"},
      {"abc", 3, "abc", "abc"},
      {"abc", 10, "abc", "abc"},
      {"", 2, "", ""},
      {"\xD6\xD0\xB4\xBA", 1, "\xD6", "\xBA"},
      {"ab\0cd"s, 2, "ab", "ab"},
      {"ab\0cd"s, 5, "ab", "ab"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text + " n=" + std::to_string(c.n));
    EXPECT_EQ(LeftPart(c.text, c.n), c.left);
    EXPECT_EQ(RightPart(c.text, c.n), c.right);
  }
}

TEST(MidPart, DoesNotMoveStartIntoRange) {
  const struct {
    std::string text;
    int start;
    int n;
    std::string want;
  } cases[] = {
      {"abc", 0, 2, ""},      {"abc", -1, 5, ""},    {"abc", 1, 2, "ab"},
      {"abc", 2, 10, "bc"},   {"abc", 3, 1, "c"},    {"abc", 4, 1, ""},
      {"abc", 2, 0, ""},      {"abc", 2, -3, ""},    {"", 1, 1, ""},
      {"ab\0cd"s, 4, 1, ""},  {"\xD6\xD0", 2, 1, "\xD0"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text + " start=" + std::to_string(c.start) +
                 " n=" + std::to_string(c.n));
    EXPECT_EQ(MidPart(c.text, c.start, c.n), c.want);
  }
}

}  // namespace
}  // namespace modian
