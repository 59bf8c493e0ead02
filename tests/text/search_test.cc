#include "text/search.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace modian {
namespace {

using namespace std::string_literals;

struct SearchCase {
  std::string text;
  std::string part;
  int start;
  Case match;
  int want;
};

std::string Describe(const SearchCase& c) {
  return "text=" + c.text + " part=" + c.part +
         " start=" + std::to_string(c.start) +
         (c.match == Case::kIgnore ? " ignoring case" : "");
}

TEST(IndexOf, FollowsPositionsDefaultsAndTheDoubleByteRule) {
  const SearchCase cases[] = {
      // A pair that straddles two characters is no occurrence.
      {"\xB0\xD6\xD0\xC4", "\xD6\xD0", 1, Case::kSensitive, -1},
      {"\xD6\xD0", "\xD6\xD0", 1, Case::kSensitive, 1},
      {"\xB0\xD6\xD0\xC4\xD6\xD0", "\xD6\xD0", 1, Case::kSensitive, 5},
      // An ASCII byte that is a second byte is not a match start.
      {"\xB0" "A", "A", 1, Case::kSensitive, -1},
      {"\xB0" "AA", "A", 1, Case::kSensitive, 3},
      // Characters are counted from start, wherever it falls.
      {"\xB0" "A", "A", 2, Case::kSensitive, 2},
      {"abcabc", "b", 0, Case::kSensitive, 2},
      {"abcabc", "b", -5, Case::kSensitive, 2},
      {"abcabc", "b", 3, Case::kSensitive, 5},
      {"abcabc", "b", 6, Case::kSensitive, -1},
      {"abcabc", "c", 7, Case::kSensitive, -1},
      {"abcabc", "c", 6, Case::kSensitive, 6},
      {"abc", "abcd", 1, Case::kSensitive, -1},
      {"", "a", 1, Case::kSensitive, -1},
      {"abc", "", 1, Case::kSensitive, 1},
      {"abc", "", 3, Case::kSensitive, 1},
      {"abc", "", 4, Case::kSensitive, -1},
      {"", "", 1, Case::kSensitive, -1},
      {"Cookie: a=1", "cookie:", 1, Case::kSensitive, -1},
      {"Cookie: a=1", "cookie:", 1, Case::kIgnore, 1},
      {"X-ACCEPT: 1", "accept:", 1, Case::kIgnore, 3},
      // Only ASCII letters fold: "[" and "{", 0xC1 and 0xE1 differ by 0x20.
      {"a[", "A{", 1, Case::kIgnore, -1},
      {"\xC1\xA1", "\xE1\xA1", 1, Case::kIgnore, -1},
      // A lead byte that ends the text starts no character.
      {"ab\xB0", "\xB0", 1, Case::kSensitive, -1},
      // Bytes after a zero byte are not part of the text.
      {"ab\0c"s, "c", 1, Case::kSensitive, -1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(Describe(c));
    EXPECT_EQ(IndexOf(c.text, c.part, c.start, c.match), c.want);
  }
}

TEST(LastIndexOf, SearchesOnlyBeforeStartAndWalksFromTheFirstByte) {
  const SearchCase cases[] = {
      {"abcabc", "bc", 6, Case::kSensitive, 2},
      {"abcabc", "bc", 7, Case::kSensitive, 5},
      {"abcabc", "bc", kToEnd, Case::kSensitive, 5},
      {"abcabc", "bc", 100, Case::kSensitive, 5},
      {"abcabc", "bc", 1, Case::kSensitive, -1},
      {"abcabc", "bc", 0, Case::kSensitive, -1},
      {"abcabc", "bc", -3, Case::kSensitive, -1},
      {"abcabc", "x", kToEnd, Case::kSensitive, -1},
      // Overlapping occurrences count.
      {"aaa", "aa", kToEnd, Case::kSensitive, 2},
      {"\xD6\xD0\xB0\xD6\xD0\xC4", "\xD6\xD0", kToEnd, Case::kSensitive, 1},
      {"\xB0\xD6\xD0\xC4", "\xD6\xD0", kToEnd, Case::kSensitive, -1},
      // A run of lead bytes: only every other byte starts a character.
      {"\xB0\xB0\xB0\xB0\xB0", "\xB0\xB0", kToEnd, Case::kSensitive, 3},
      {"xAbyab", "AB", kToEnd, Case::kSensitive, -1},
      {"xAbyab", "AB", kToEnd, Case::kIgnore, 5},
      {"xAbyab", "AB", 6, Case::kIgnore, 2},
      {"abc", "", kToEnd, Case::kSensitive, 3},
      {"abc", "", 3, Case::kSensitive, 2},
      {"a\xB0\xA1", "", kToEnd, Case::kSensitive, 2},
      {"", "", kToEnd, Case::kSensitive, -1},
      {"ab\xB0", "\xB0", kToEnd, Case::kSensitive, -1},
      {"ab\0ab"s, "ab", kToEnd, Case::kSensitive, 1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(Describe(c));
    EXPECT_EQ(LastIndexOf(c.text, c.part, c.start, c.match), c.want);
  }
}

TEST(Search, DefaultsAreFromTheFirstByteToTheEndWithExactCase) {
  EXPECT_EQ(IndexOf("aBab", "ab"), 3);
  EXPECT_EQ(LastIndexOf("abaB", "ab"), 1);
}

// The walk as it is defined, one character at a time: the searches skip
// ahead with a faster search and must find exactly the same positions.
std::vector<int> OccurrencesByPlainWalk(const std::string& text,
                                        const std::string& part,
                                        std::size_t from, Case match) {
  const auto fold = [&](char byte) {
    return match == Case::kIgnore && byte >= 'a' && byte <= 'z'
               ? static_cast<char>(byte - 'a' + 'A')
               : byte;
  };
  std::vector<int> found;
  std::size_t at = from;
  while (at < text.size()) {
    const bool lead = static_cast<unsigned char>(text[at]) >= 0x80;
    if (lead && at + 1 == text.size()) break;
    bool same = at + part.size() <= text.size();
    for (std::size_t i = 0; same && i < part.size(); ++i) {
      same = fold(text[at + i]) == fold(part[i]);
    }
    if (same) found.push_back(static_cast<int>(at) + 1);
    at += lead ? 2 : 1;
  }
  return found;
}

std::vector<std::string> AllTexts(const std::string& alphabet,
                                  std::size_t maxLength) {
  std::vector<std::string> texts{""};
  for (std::size_t i = 0; i < texts.size(); ++i) {
    if (texts[i].size() == maxLength) continue;
    for (const char c : alphabet) texts.push_back(texts[i] + c);
  }
  return texts;
}

std::string Where(const std::string& text, const std::string& part, int start,
                  Case match) {
  return testing::PrintToString(text) + " " + testing::PrintToString(part) +
         " start " + std::to_string(start) +
         (match == Case::kIgnore ? " ignoring case" : "");
}

TEST(Search, AgreesWithThePlainWalkOnEveryShortText) {
  const std::string alphabet = "Aa\xB0\xD0;";
  const auto texts = AllTexts(alphabet, 6);
  const auto parts = AllTexts(alphabet, 2);
  for (const Case match : {Case::kSensitive, Case::kIgnore}) {
    for (const auto& text : texts) {
      for (const auto& part : parts) {
        if (part.empty()) continue;
        const auto all = OccurrencesByPlainWalk(text, part, 0, match);
        for (int start = 1; start <= static_cast<int>(text.size()) + 1;
             ++start) {
          const auto forward =
              OccurrencesByPlainWalk(text, part, start - 1, match);
          const int wantFirst = forward.empty() ? -1 : forward.front();
          int wantLast = -1;
          for (const int position : all) {
            if (position + static_cast<int>(part.size()) <= start) {
              wantLast = position;
            }
          }
          ASSERT_EQ(IndexOf(text, part, start, match), wantFirst)
              << Where(text, part, start, match);
          ASSERT_EQ(LastIndexOf(text, part, start, match), wantLast)
              << Where(text, part, start, match);
        }
      }
    }
  }
}

}  // namespace
}  // namespace modian
