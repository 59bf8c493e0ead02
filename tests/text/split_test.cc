#include "text/split.h"

#include <gtest/gtest.h>

#include <string>

namespace modian {
namespace {

TEST(SplitBy, KeepsInnerEmptyPiecesButNoTrailingOne) {
  const struct {
    std::string text;
    std::string separator;
    TextArray want;
  } cases[] = {
      {"a;;b;", ";", {"a", "", "b"}},
      {";b", ";", {"", "b"}},
      {";", ";", {""}},
      {";;", ";", {"", ""}},
      {"", ";", {}},
      {"abc", ";", {"abc"}},
      {"abc", "", {"abc"}},
      {"a\r\nb\r\n\r\nc", "\r\n", {"a", "b", "", "c"}},
      // The separator is matched exactly and never at a second byte.
      {"a;b", "B", {"a;b"}},
      {"\xB0;x;y", ";", {"\xB0;x", "y"}},
      {"ab\xB0", "\xB0", {"ab\xB0"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text + " at " + c.separator);
    EXPECT_EQ(SplitBy(c.text, c.separator), c.want);
  }
}

}  // namespace
}  // namespace modian
