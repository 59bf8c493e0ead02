#include "web/cookie_merge.h"

#include <gtest/gtest.h>

#include "text/gbk.h"

namespace modian {
namespace {

struct MergeCase {
  const char* name;
  AnsiText sent, received, want;
};

TEST(MergeCookies, ReceivedWinSentStayDeletedGoRepeatsGo) {
  const MergeCase cases[] = {
      {"both empty", "", "", ""},
      {"nothing received", "a=1; b=2; a=5", "", "a=1; b=2"},
      {"received replaces sent", "a=1; b=2", "a=3", "a=3; b=2"},
      {"new received first", "a=1; b=2", "c=4", "c=4; a=1; b=2"},
      {"received deletes", "a=1; b=2", "a=deleted", "b=2"},
      {"deleted sent is dropped", "a=deleted; b=2", "", "b=2"},
      {"entry shorter than 8 bytes kept", "x=1", "", "x=1"},
      {"exactly =deleted dropped", "=deleted; b=2", "", "b=2"},
      {"deleted only in lower case", "a=DELETED", "", "a=DELETED"},
      {"received ends in separator", "", "a=1; ", "a=1"},
      {"received ends in semicolon", "", "a=1;", "a=1"},
      {"same entry received twice", "", "a=1; a=1", "a=1"},
      {"same entry sent and received", "b=2; a=1", "a=1", "a=1; b=2"},
      {"same name different values received", "", "a=1; a=2", "a=1; a=2"},
      {"spaces inside values removed", "a=two words", "", "a=twowords"},
      {"names are case-sensitive", "A=1", "a=2", "a=2; A=1"},
      {"name without equals", "flag; b=2", "flag=1", "flag=1; b=2"},
      {"empty entries", ";;a=1", "", "; a=1"},
      {"full-width spaces removed", Gbk("a=1　; b=2"), "", "a=1; b=2"},
  };
  for (const MergeCase& c : cases) {
    AnsiText sent = c.sent;
    AnsiText received = c.received;
    EXPECT_EQ(MergeCookies(sent, received), c.want) << c.name;
    EXPECT_EQ(sent, c.want) << c.name;
    EXPECT_EQ(received.find(' '), AnsiText::npos) << c.name;
  }
}

TEST(MergeCookies, StripsSpacesFromTheReceivedVariable) {
  AnsiText sent = "a=1";
  AnsiText received = " b = 2 ;  c=3 ";
  MergeCookies(sent, received);
  EXPECT_EQ(received, "b=2;c=3");
}

TEST(MergeCookies, SameVariableForBoth) {
  AnsiText both = "a=1; b=2; a=1";
  EXPECT_EQ(MergeCookies(both, both), "a=1; b=2");
  EXPECT_EQ(both, "a=1; b=2");
}

TEST(CookieName, IsTheTrimmedTextBeforeTheFirstEquals) {
  const std::pair<AnsiText, AnsiText> cases[] = {
      {"", ""},          {"a=1", "a"},     {" a b =1", "a b"},
      {"flag", "flag"},  {" flag ", "flag"}, {"=v", ""},
      {"a==b", "a"},
  };
  for (const auto& [cookie, want] : cases) {
    EXPECT_EQ(CookieName(cookie), want) << cookie;
  }
}

TEST(HasCookieNamed, ComparesNamesExactly) {
  const TextArray list = {"a=1", " B =2", "flag", "=x"};
  const std::pair<AnsiText, bool> cases[] = {
      {"a", true}, {"B", true}, {"b", false}, {"flag", true},
      {"", true},  {"a=1", false},
  };
  for (const auto& [name, want] : cases) {
    EXPECT_EQ(HasCookieNamed(list, name), want) << name;
  }
  EXPECT_FALSE(HasCookieNamed({}, ""));
}

TEST(JoinDistinct, DropsRepeatsInBothModes) {
  struct Case {
    AnsiText text, separator;
    bool split;
    AnsiText want;
  };
  const Case cases[] = {
      {"", "; ", true, ""},
      {"a; b; a; c; b", "; ", true, "a; b; c"},
      {"a; ; ; b", "; ", true, "a; ; b"},
      {"abcabd", "", false, "abcd"},
      {"aab", "-", false, "a-b"},
      {Gbk("春春天") + "\r\n\r\n", "", false, Gbk("春天") + "\r\n"},
      {"abc", "", true, "abc"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(JoinDistinct(c.text, c.separator, c.split), c.want) << c.text;
  }
}

TEST(SplitChars, CutsCharactersByTheDoubleByteAndCrLfRules) {
  struct Case {
    AnsiText text;
    TextArray want;
  };
  const Case cases[] = {
      {"", {}},
      {"ab", {"a", "b"}},
      {Gbk("春天") + "\r\n", {Gbk("春"), Gbk("天"), "\r\n"}},
      {"a\xB4", {"a", "\xB4"}},
      {"\x80" "a", {"\x80", "a"}},
      {"\x81" "a", {"\x81" "a"}},
      {"\r\r\n\n", {"\r", "\r\n", "\n"}},
  };
  for (const Case& c : cases) {
    TextArray pieces = {"left over"};
    EXPECT_EQ(SplitChars(c.text, pieces), static_cast<int>(c.want.size()))
        << c.text;
    EXPECT_EQ(pieces, c.want) << c.text;
  }
}

TEST(FindInList, GivesTheFirstEqualEntryFromOne) {
  const TextArray list = {"a", "b", "a", ""};
  const std::pair<AnsiText, int> cases[] = {
      {"a", 1}, {"b", 2}, {"", 4}, {"A", -1}, {"c", -1},
  };
  for (const auto& [text, want] : cases) {
    EXPECT_EQ(FindInList(list, text), want) << text;
  }
  EXPECT_EQ(FindInList({}, "a"), -1);
}

}  // namespace
}  // namespace modian
