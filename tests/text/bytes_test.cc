#include "text/bytes.h"

#include <gtest/gtest.h>

#include <string>

namespace modian {
namespace {

using namespace std::string_literals;

TEST(AsBytesAndAsText, StopAtTheFirstZeroByte) {
  EXPECT_EQ(AsBytes("ab"), (ByteBlock{0x61, 0x62}));
  EXPECT_EQ(AsBytes(""), ByteBlock{});
  EXPECT_EQ(AsBytes("a\0b"s), ByteBlock{0x61});
  EXPECT_EQ(AsText(ByteBlock{0x61, 0x62, 0x00, 0x63}), "ab");
  EXPECT_EQ(AsText(ByteBlock{0x61, 0xB0}), "a\xB0");
  EXPECT_EQ(AsText(ByteBlock{0x00, 0x61}), "");
  EXPECT_EQ(AsText(ByteBlock{}), "");
}

TEST(BlockLength, CountsZeroBytesToo) {
  EXPECT_EQ(BlockLength(ByteBlock{}), 0);
  EXPECT_EQ(BlockLength(ByteBlock{0, 1, 0}), 3);
}

TEST(BlockMid, MovesStartIntoRangeAndCutsAtTheEnd) {
  const ByteBlock block{1, 2, 3, 4, 5};
  const struct {
    int start;
    int n;
    ByteBlock want;
  } cases[] = {
      {1, 2, {1, 2}},   {0, 2, {1, 2}},   {-5, 2, {1, 2}},  {4, 10, {4, 5}},
      {5, 1, {5}},      {6, 1, {}},       {10, 1, {}},      {2, 0, {}},
      {2, -1, {}},      {1, 5, {1, 2, 3, 4, 5}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE("start=" + std::to_string(c.start) +
                 " n=" + std::to_string(c.n));
    EXPECT_EQ(BlockMid(block, c.start, c.n), c.want);
  }
  EXPECT_EQ(BlockMid(ByteBlock{}, 1, 3), ByteBlock{});
}

TEST(ZeroBytes, MakesNZeroBytes) {
  EXPECT_EQ(ZeroBytes(3), (ByteBlock{0, 0, 0}));
  EXPECT_EQ(ZeroBytes(0), ByteBlock{});
  EXPECT_EQ(ZeroBytes(-2), ByteBlock{});
}

}  // namespace
}  // namespace modian
