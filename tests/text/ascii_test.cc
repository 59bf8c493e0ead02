#include "text/ascii.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>

namespace modian {
namespace {

TEST(AsciiUpper, ChangesOnlyLettersAtCharacterStarts) {
  const struct {
    std::string text;
    std::string want;
  } cases[] = {
      {"", ""},
      {"abcXYZ09", "ABCXYZ09"},
      {"`{@[", "`{@["},
      {"\xB0" "az", "\xB0" "aZ"},
      {"\xE1\xE1", "\xE1\xE1"},
      {"a\xB0", "A\xB0"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(AsciiUpper(c.text), c.want);
  }
}

TEST(FirstByteCode, ReadsTheFirstByteAsSigned) {
  const struct {
    std::string text;
    int want;
  } cases[] = {
      {"", 0}, {"A", 65}, {"\x7F", 127}, {"\x80", -128}, {"\xB0\xA1", -80},
      {"\xFF", -1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(FirstByteCode(c.text), c.want);
  }
}

TEST(ByteToChar, KeepsTheLowEightBits) {
  const struct {
    int code;
    std::string want;
  } cases[] = {
      {0, ""}, {256, ""}, {0x141, "A"}, {65, "A"}, {-1, "\xFF"}, {0xB0, "\xB0"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.code);
    EXPECT_EQ(ByteToChar(c.code), c.want);
  }
}

TEST(HexDigits, GivesUpperCaseWithoutLeadingZeros) {
  const struct {
    std::int32_t value;
    std::string want;
  } cases[] = {
      {0, "0"},           {10, "A"},          {15, "F"},
      {16, "10"},         {255, "FF"},        {4096, "1000"},
      {-1, "FFFFFFFF"},   {INT_MIN, "80000000"}, {INT_MAX, "7FFFFFFF"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.value);
    EXPECT_EQ(HexDigits(c.value), c.want);
  }
}

TEST(SpaceText, MakesNSpaces) {
  EXPECT_EQ(SpaceText(0), "");
  EXPECT_EQ(SpaceText(-3), "");
  EXPECT_EQ(SpaceText(3), "   ");
}

}  // namespace
}  // namespace modian
