#include "text/utf8_sequence.h"

#include <gtest/gtest.h>

#include <string>

namespace modian {
namespace {

TEST(Utf8SequenceLength, CoversAWholeCharacterOrOnlyTheBadPart) {
  const struct {
    std::string bytes;
    std::size_t want;
  } cases[] = {
      {"", 0},
      {"A", 1},
      {"\xC3\xA9", 2},
      {"\xE4\xB8\xAD" "x", 3},
      {"\xF0\x9F\x98\x80", 4},
      {"\xC3", 1},
      {"\xC3" "A", 1},
      {"\xE4\xB8", 2},
      {"\xE4\xB8" "A", 2},
      {"\xF0\x9F\x98" "A", 3},
      {"\x80", 1},
      {"\xC0\x80", 1},
      {"\xE0\x80\x80", 1},
      {"\xE0\xA0\x80", 3},
      {"\xED\xA0\x80", 1},
      {"\xED\x9F\xBF", 3},
      {"\xF0\x8F\xBF\xBF", 1},
      {"\xF4\x8F\xBF\xBF", 4},
      {"\xF4\x90\x80\x80", 1},
      {"\xF5\x80", 1},
      {"\xFF", 1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.bytes);
    EXPECT_EQ(Utf8SequenceLength(c.bytes), c.want);
  }
}

TEST(StartsWithWellFormedUtf8, AcceptsOnlyCompleteValidSequences) {
  const struct {
    std::string bytes;
    bool want;
  } cases[] = {
      {"", false},
      {"A", true},
      {"\xC3\xA9", true},
      {"\xE4\xB8\xAD", true},
      {"\xF0\x9F\x98\x80", true},
      {"\xE4\xB8", false},
      {"\xE4\xB8" "A", false},
      {"\x80", false},
      {"\xC0\x80", false},
      {"\xED\xA0\x80", false},
      {"\xF4\x90\x80\x80", false},
      {"\xFF", false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.bytes);
    EXPECT_EQ(StartsWithWellFormedUtf8(c.bytes), c.want);
  }
}

}  // namespace
}  // namespace modian
