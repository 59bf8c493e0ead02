// The text side of the picture lookup on a downloaded page: decode it, then
// cut the picture's address out of it.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>

#include "text/gbk.h"
#include "text/markers.h"
#include "text/percent.h"

namespace modian {
namespace {

std::string ReadFixture(const std::string& name) {
  std::ifstream file(std::string(MODIAN_TEXT_FIXTURES) + "/" + name,
                     std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(file), {});
}

// The page has a stray "%" in its style sheet and in its text, and bad UTF-8
// before the markers; none of them may stop the decoding.
TEST(PictureLookupCuts, FindTheGifBetweenTheMarkersOfADecodedPage) {
  const auto page = ReadFixture("stroke_page.html");
  ASSERT_FALSE(page.empty());
  const auto character = Gbk("春");
  const auto text = UrlDecode(page, {.viaUtf8 = true});
  const auto afterTitle = TextAfterLast(text, character + Gbk("字的笔顺动画"));
  const auto beforeEnd = TextBefore(afterTitle, character + Gbk("的笔顺"));
  const auto afterScheme = TextAfterLast(beforeEnd, "http");
  const auto address = "http" + TextBefore(afterScheme, ".gif") + ".gif";
  EXPECT_EQ(address, "https://img.example.org/bishun/" + character + ".gif");
}

}  // namespace
}  // namespace modian
