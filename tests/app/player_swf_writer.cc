#include "tests/app/player_swf_writer.h"

#include <algorithm>
#include <bit>
#include <initializer_list>
#include <utility>

namespace modian::test {
namespace {

constexpr int kTwipsPerPixel = 20;

enum TagCode : int {
  kEnd = 0,
  kShowFrame = 1,
  kDefineShape = 2,
  kSetBackgroundColor = 9,
  kPlaceObject2 = 26,
};

// SWF packs rectangles, matrices and shape records MSB first.
class BitWriter {
 public:
  void Unsigned(std::uint32_t value, int bits) {
    for (int bit = bits - 1; bit >= 0; --bit) Bit((value >> bit) & 1U);
  }
  void Signed(std::int32_t value, int bits) {
    Unsigned(static_cast<std::uint32_t>(value) & ((1U << bits) - 1U), bits);
  }
  std::string Finish() {
    if (used_ != 0) {
      bytes_.push_back(static_cast<char>(current_));
      current_ = 0;
      used_ = 0;
    }
    return std::move(bytes_);
  }

 private:
  void Bit(std::uint32_t bit) {
    current_ = static_cast<std::uint8_t>(current_ | (bit << (7 - used_)));
    if (++used_ == 8) {
      bytes_.push_back(static_cast<char>(current_));
      current_ = 0;
      used_ = 0;
    }
  }
  std::string bytes_;
  std::uint8_t current_ = 0;
  int used_ = 0;
};

// Bits a two's-complement field needs for `value`, sign bit included.
int SignedBits(std::int32_t value) {
  const std::uint32_t magnitude =
      static_cast<std::uint32_t>(value < 0 ? ~value : value);
  return std::bit_width(magnitude) + 1;
}

int SignedBits(std::initializer_list<std::int32_t> values) {
  int bits = 1;
  for (std::int32_t value : values) bits = std::max(bits, SignedBits(value));
  return bits;
}

void AppendU8(std::string& out, int value) {
  out.push_back(static_cast<char>(value & 0xFF));
}
void AppendU16(std::string& out, int value) {
  AppendU8(out, value);
  AppendU8(out, value >> 8);
}
void AppendU32(std::string& out, std::uint32_t value) {
  AppendU16(out, static_cast<int>(value & 0xFFFF));
  AppendU16(out, static_cast<int>(value >> 16));
}
void AppendRgb(std::string& out, Rgb colour) {
  AppendU8(out, colour.red);
  AppendU8(out, colour.green);
  AppendU8(out, colour.blue);
}

std::string Rect(std::int32_t xMin, std::int32_t xMax, std::int32_t yMin,
                 std::int32_t yMax) {
  const int bits = SignedBits({xMin, xMax, yMin, yMax});
  BitWriter writer;
  writer.Unsigned(static_cast<std::uint32_t>(bits), 5);
  for (std::int32_t value : {xMin, xMax, yMin, yMax}) writer.Signed(value, bits);
  return writer.Finish();
}

void AppendTag(std::string& out, int code, const std::string& body) {
  if (body.size() < 0x3F) {
    AppendU16(out, (code << 6) | static_cast<int>(body.size()));
  } else {
    AppendU16(out, (code << 6) | 0x3F);
    AppendU32(out, static_cast<std::uint32_t>(body.size()));
  }
  out += body;
}

std::string DefineShapeBody(int shapeId, std::int32_t width, std::int32_t height,
                            Rgb fill) {
  std::string body;
  AppendU16(body, shapeId);
  body += Rect(0, width, 0, height);
  AppendU8(body, 1);     // fill styles
  AppendU8(body, 0x00);  // solid
  AppendRgb(body, fill);
  AppendU8(body, 0);     // line styles
  AppendU8(body, 0x10);  // one fill-style bit, no line-style bits

  BitWriter shape;
  // Style change: move to (0, 0) with fill style 1 on the right of the edges.
  shape.Unsigned(0, 1);
  shape.Unsigned(0b00101, 5);
  shape.Unsigned(1, 5);
  shape.Signed(0, 1);
  shape.Signed(0, 1);
  shape.Unsigned(1, 1);
  // Four straight edges, each vertical or horizontal, clockwise.
  const std::int32_t edges[4][2] = {
      {width, 0}, {0, height}, {-width, 0}, {0, -height}};
  for (const auto& [dx, dy] : edges) {
    const bool vertical = dx == 0;
    const std::int32_t delta = vertical ? dy : dx;
    const int bits = std::max(SignedBits(delta), 2);
    shape.Unsigned(1, 1);  // edge record
    shape.Unsigned(1, 1);  // straight
    shape.Unsigned(static_cast<std::uint32_t>(bits - 2), 4);
    shape.Unsigned(0, 1);  // not a general line
    shape.Unsigned(vertical ? 1 : 0, 1);
    shape.Signed(delta, bits);
  }
  shape.Unsigned(0, 6);  // end of shape
  body += shape.Finish();
  return body;
}

std::string PlaceObjectBody(bool move, int shapeId, std::int32_t x,
                            std::int32_t y) {
  std::string body;
  const int hasMatrix = 0x04;
  const int hasCharacter = 0x02;
  const int isMove = 0x01;
  AppendU8(body, hasMatrix | (move ? isMove : hasCharacter));
  AppendU16(body, 1);  // depth
  if (!move) AppendU16(body, shapeId);
  BitWriter matrix;
  matrix.Unsigned(0, 1);  // no scale
  matrix.Unsigned(0, 1);  // no rotation
  const int bits = SignedBits({x, y});
  matrix.Unsigned(static_cast<std::uint32_t>(bits), 5);
  matrix.Signed(x, bits);
  matrix.Signed(y, bits);
  body += matrix.Finish();
  return body;
}

}  // namespace

std::string WriteSwf(const SwfMovie& movie) {
  const std::int32_t stageWidth = movie.widthPixels * kTwipsPerPixel;
  const std::int32_t stageHeight = movie.heightPixels * kTwipsPerPixel;
  const std::int32_t shapeWidth = stageWidth / 2;
  const std::int32_t shapeHeight = stageHeight / 2;

  std::string tags;
  std::string background;
  AppendRgb(background, movie.background);
  AppendTag(tags, kSetBackgroundColor, background);
  AppendTag(tags, kDefineShape,
            DefineShapeBody(1, shapeWidth, shapeHeight, movie.fill));
  for (int frame = 0; frame < movie.frames; ++frame) {
    // A few pixels of drift each frame keeps the middle of the stage covered.
    const std::int32_t x = stageWidth / 4 + frame * 2 * kTwipsPerPixel;
    const std::int32_t y = stageHeight / 4;
    AppendTag(tags, kPlaceObject2, PlaceObjectBody(frame > 0, 1, x, y));
    AppendTag(tags, kShowFrame, "");
  }
  AppendTag(tags, kEnd, "");

  std::string header = Rect(0, stageWidth, 0, stageHeight);
  AppendU16(header, movie.framesPerSecond << 8);
  AppendU16(header, movie.frames);

  std::string file = "FWS";
  AppendU8(file, 10);
  AppendU32(file, static_cast<std::uint32_t>(8 + header.size() + tags.size()));
  return file + header + tags;
}

}  // namespace modian::test
