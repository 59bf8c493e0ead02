#include "text/gbk.h"

#include <gtest/gtest.h>

#include <string>

namespace modian {
namespace {

TEST(Gbk, GivesTheGbkBytesOfASourceLiteral) {
  const struct {
    std::string_view literal;
    std::string want;
  } cases[] = {
      {"春", "\xB4\xBA"},
      {"#引号", "\x23\xD2\xFD\xBA\xC5"},
      {"字的笔顺动画", "\xD7\xD6\xB5\xC4\xB1\xCA\xCB\xB3\xB6\xAF\xBB\xAD"},
      {"墨点", "\xC4\xAB\xB5\xE3"},
      {"×", "\xA1\xC1"},
      {"€", "\x80"},
      {"abc", "abc"},
      {"", ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.literal));
    EXPECT_EQ(Gbk(c.literal), c.want);
  }
}

}  // namespace
}  // namespace modian
