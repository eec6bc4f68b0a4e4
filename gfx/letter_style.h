#pragma once

#include <cstdint>

struct TImage;

// How the set (non-zero) pixels of a glyph image become the pixels of one coloured font.
enum class TLetterEffect : std::uint8_t {
  leCopy = 0,     // the source as it is
  leSolid = 1,    // same size; Color where the source is set
  leShadow = 2,   // one pixel wider and taller; BorderColor one pixel down-right of the glyph
  leOutline = 3,  // two pixels wider and taller; the glyph moved by (1, 1), ringed in BorderColor
  leShaded = 4,   // same size; Color scaled by the source's blue channel, moved by (1, 1)
};

struct TLetterStyle {
  TLetterEffect Effect = TLetterEffect::leCopy;
  std::uint32_t Color = 0;
  std::uint32_t BorderColor = 0;
};

// The glyph image of one font; black (0) wherever nothing is written.
TImage ApplyLetterStyle(const TImage& source, const TLetterStyle& style);

// The game's fonts 0, 1, 2 (white, yellow, red, each with a shadow) for a display of the given
// bits per pixel: a 16-bit display takes its colours in 5-6-5 form and no visible shadow.
TLetterStyle StandardFontStyle(int font, int displayBitsPerPixel);
constexpr int StandardFontCount = 3;
