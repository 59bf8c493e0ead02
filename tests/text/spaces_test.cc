#include "text/spaces.h"

#include <gtest/gtest.h>

#include <string>

namespace modian {
namespace {

struct SpacesCase {
  std::string text;
  std::string trimmed;
  std::string stripped;
};

TEST(Spaces, KnowTheTwoKindsAndNeverASecondByte) {
  const SpacesCase cases[] = {
      {"", "", ""},
      {"  ", "", ""},
      {" a b ", "a b", "ab"},
      {"\tabc ", "\tabc", "\tabc"},
      {"\xA1\xA1\xD6\xD0\xA1\xA1", "\xD6\xD0", "\xD6\xD0"},
      {" \xA1\xA1 x \xA1\xA1 ", "x", "x"},
      {" \xA1\xA1 ", "", ""},
      // B0 A1 is one character; the A1 A1 after it is a space.
      {"\xB0\xA1\xA1\xA1", "\xB0\xA1", "\xB0\xA1"},
      // B0 20 is one character, so its 20 is no space.
      {"\xB0 ", "\xB0 ", "\xB0 "},
      {"\xA1" "A ", "\xA1" "A", "\xA1" "A"},
      {"a\r\n", "a\r\n", "a\r\n"},
      // A lead byte that ends the text is content.
      {" \xB0", "\xB0", "\xB0"},
      {" a \xB0", "a \xB0", "a\xB0"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(TrimSpaces(c.text), c.trimmed);
    EXPECT_EQ(StripAllSpaces(c.text), c.stripped);
  }
}

}  // namespace
}  // namespace modian
