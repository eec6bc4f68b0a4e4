#include "gfx/letter_style.h"

#include <cstddef>

#include "base/image.h"
#include "gfx/round_half_even.h"

namespace {

bool IsSet(const TImage& image, int x, int y) {
  return x >= 0 && y >= 0 && x < image.Width && y < image.Height && (image.Pixel(x, y) & 0x00FFFFFF) != 0;
}

TImage Blank(int width, int height) {
  TImage image;
  image.Width = width;
  image.Height = height;
  image.Pixels.assign(static_cast<size_t>(width) * height, 0);
  return image;
}

void Put(TImage& image, int x, int y, std::uint32_t color) {
  image.Pixels[static_cast<size_t>(y) * image.Width + x] = color;
}

TImage Solid(const TImage& source, std::uint32_t color) {
  TImage result = Blank(source.Width, source.Height);
  for (int y = 0; y < source.Height; ++y)
    for (int x = 0; x < source.Width; ++x)
      if (IsSet(source, x, y)) Put(result, x, y, color);
  return result;
}

TImage Shadow(const TImage& source, const TLetterStyle& style) {
  TImage result = Blank(source.Width + 1, source.Height + 1);
  for (int y = 0; y < result.Height; ++y)
    for (int x = 0; x < result.Width; ++x) {
      if (IsSet(source, x, y))
        Put(result, x, y, style.Color);
      else if (IsSet(source, x - 1, y - 1))
        Put(result, x, y, style.BorderColor);
    }
  return result;
}

TImage Outline(const TImage& source, const TLetterStyle& style) {
  TImage result = Blank(source.Width + 2, source.Height + 2);
  // Result pixel (x, y) shows source pixel (x - 1, y - 1).
  auto glyphAt = [&](int x, int y) { return IsSet(source, x - 1, y - 1); };
  for (int y = 0; y < result.Height; ++y)
    for (int x = 0; x < result.Width; ++x) {
      if (glyphAt(x, y))
        Put(result, x, y, style.Color);
      else if (glyphAt(x - 1, y) || glyphAt(x + 1, y) || glyphAt(x, y - 1) || glyphAt(x, y + 1))
        Put(result, x, y, style.BorderColor);
    }
  return result;
}

std::uint32_t ScaleChannels(std::uint32_t color, double factor) {
  std::uint32_t scaled = 0;
  for (int shift = 0; shift <= 16; shift += 8) {
    const auto channel = static_cast<double>((color >> shift) & 0xFF);
    scaled |= static_cast<std::uint32_t>(RoundHalfEven(channel * factor)) << shift;
  }
  return scaled;
}

// No font uses this effect. It keeps the source's size yet moves the pixels by (1, 1), so the
// last row and column of the glyph fall off; whether the size or the offset is the mistake is
// unsettled, and we keep both as they are.
TImage Shaded(const TImage& source, std::uint32_t color) {
  TImage result = Blank(source.Width, source.Height);
  for (int y = 0; y + 1 < source.Height; ++y)
    for (int x = 0; x + 1 < source.Width; ++x) {
      if (!IsSet(source, x, y)) continue;
      const double intensity = (source.Pixel(x, y) & 0xFF) / 255.0;
      if (intensity > 0.5) Put(result, x + 1, y + 1, ScaleChannels(color, intensity));
    }
  return result;
}

bool WellFormed(const TImage& image) {
  return image.Width >= 0 && image.Height >= 0 &&
         image.Pixels.size() == static_cast<size_t>(image.Width) * static_cast<size_t>(image.Height);
}

}  // namespace

TImage ApplyLetterStyle(const TImage& source, const TLetterStyle& style) {
  if (!WellFormed(source)) return TImage();
  switch (style.Effect) {
    case TLetterEffect::leSolid:
      return Solid(source, style.Color);
    case TLetterEffect::leShadow:
      return Shadow(source, style);
    case TLetterEffect::leOutline:
      return Outline(source, style);
    case TLetterEffect::leShaded:
      return Shaded(source, style.Color);
    case TLetterEffect::leCopy:
      break;
  }
  return source;
}

TLetterStyle StandardFontStyle(int font, int displayBitsPerPixel) {
  struct TColors {
    std::uint32_t TrueColor;
    std::uint32_t HighColor;
  };
  static constexpr TColors kColors[StandardFontCount] = {
      {0xFFFFFF, 0xFFFF},  // white
      {0xFFFF00, 0xFFE0},  // yellow
      {0xFF0000, 0xF800},  // red
  };
  const TColors& colors = kColors[font >= 0 && font < StandardFontCount ? font : 0];
  if (displayBitsPerPixel == 16) return {TLetterEffect::leShadow, colors.HighColor, 0};
  return {TLetterEffect::leShadow, colors.TrueColor, 0x000040};
}
