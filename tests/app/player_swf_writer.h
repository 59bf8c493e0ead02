// Writes tiny uncompressed SWF movies for the player tests: one solid
// rectangle on a coloured stage, shown over a few frames.
#pragma once

#include <cstdint>
#include <string>

namespace modian::test {

struct Rgb {
  std::uint8_t red = 0;
  std::uint8_t green = 0;
  std::uint8_t blue = 0;
};

struct SwfMovie {
  int widthPixels = 200;
  int heightPixels = 200;
  Rgb background;
  // A rectangle filled with this colour covers the middle half of the stage.
  Rgb fill;
  int frames = 4;
  int framesPerSecond = 12;
};

// The bytes of an "FWS" file: SetBackgroundColor, DefineShape, PlaceObject2,
// then ShowFrame `frames` times (the shape moves a little each frame), End.
std::string WriteSwf(const SwfMovie& movie);

}  // namespace modian::test
