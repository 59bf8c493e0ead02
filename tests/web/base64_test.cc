#include "web/base64.h"

#include <gtest/gtest.h>

#include "text/bytes.h"

namespace modian {
namespace {

TEST(Base64Encode, GivesRfc4648TextAndPadsTheBlockToThreeBytes) {
  struct Case {
    ByteBlock data;
    AnsiText want;
    ByteBlock blockAfter;
  };
  const Case cases[] = {
      {{}, "", {}},
      {{'f'}, "Zg==", {'f', 0, 0}},
      {{'f', 'o'}, "Zm8=", {'f', 'o', 0}},
      {{'f', 'o', 'o'}, "Zm9v", {'f', 'o', 'o'}},
      {AsBytes("foobar"), "Zm9vYmFy", AsBytes("foobar")},
      {{0, 0, 0}, "AAAA", {0, 0, 0}},
      {{0xFF, 0xFF, 0xFE}, "///+", {0xFF, 0xFF, 0xFE}},
      {{0xFB, 0xEF}, "++8=", {0xFB, 0xEF, 0}},
      {AsBytes("Aladdin:open sesame"), "QWxhZGRpbjpvcGVuIHNlc2FtZQ==",
       {}},
  };
  for (const Case& c : cases) {
    ByteBlock block = c.data;
    EXPECT_EQ(Base64Encode(block), c.want) << c.want;
    if (!c.blockAfter.empty() || c.data.empty()) {
      EXPECT_EQ(block, c.blockAfter) << c.want;
    }
    EXPECT_EQ(block.size() % 3, 0u) << c.want;
  }
}

}  // namespace
}  // namespace modian
