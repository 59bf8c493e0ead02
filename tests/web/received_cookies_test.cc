#include "web/received_cookies.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace modian {
namespace {

TEST(ReceivedCookies, TakesTheFirstSegmentOfEachSetCookieLine) {
  struct Case {
    const char* name;
    AnsiText headers, want;
  };
  const Case cases[] = {
      {"no headers", "", ""},
      {"no Set-Cookie", "Content-Type: text/html\r\nServer: x\r\n\r\n", ""},
      {"attributes cut off", "Set-Cookie: a=1; path=/\r\nSet-Cookie: b=2\r\n\r\n",
       "a=1; b=2"},
      {"lower-case name yields nothing", "set-cookie: a=1\r\n", ""},
      {"no space after colon yields nothing", "Set-Cookie:a=1\r\n", ""},
      {"spaces trimmed", "Set-Cookie:    a=1   ;x\r\n", "a=1"},
      {"empty value gives empty entry", "Set-Cookie: ; x\r\nSet-Cookie: b=2",
       "; b=2"},
      {"value with colon", "Set-Cookie: t=12:30\r\n", "t=12:30"},
      {"other header named like it", "X-Set-Cookie: a=1\r\n", ""},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ReceivedCookies(c.headers), c.want) << c.name;
  }
}

TEST(ReceivedCookies, ReadsARealHeaderBlock) {
  std::ifstream file(MODIAN_WEB_FIXTURES "/set_cookie_headers.txt",
                     std::ios::binary);
  ASSERT_TRUE(file) << "fixture missing";
  std::stringstream content;
  content << file.rdbuf();
  EXPECT_EQ(ReceivedCookies(content.str()),
            "PHPSESSID=8f2c1; lang=zh-cn; theme=; visited=deleted");
}

}  // namespace
}  // namespace modian
