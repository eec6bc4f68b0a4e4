#include "tools/assetgen/sprite_flatten.h"

namespace {

// Below this coverage a pixel counts as outside the shape; anything above blends into the
// background colour so closely that dropping it would only make the outline jagged.
constexpr std::uint32_t kMinVisibleAlpha = 40;

std::uint32_t Channel(std::uint32_t argb, int shift) { return (argb >> shift) & 0xFF; }

std::uint32_t Over(std::uint32_t premultiplied, std::uint32_t background) {
  const std::uint32_t alpha = Channel(premultiplied, 24);
  std::uint32_t out = 0;
  for (int shift = 0; shift <= 16; shift += 8) {
    const std::uint32_t c =
        Channel(premultiplied, shift) + (Channel(background, shift) * (255 - alpha) + 127) / 255;
    out |= (c > 255 ? 255 : c) << shift;
  }
  return out;
}

TImage Blank(const TRaster& raster) {
  TImage image;
  image.Width = raster.Width;
  image.Height = raster.Height;
  image.Pixels.resize(raster.Argb.size());
  return image;
}

}  // namespace

TImage FlattenKeyed(const TRaster& raster, std::uint32_t background) {
  TImage image = Blank(raster);
  for (size_t i = 0; i < raster.Argb.size(); ++i) {
    const std::uint32_t argb = raster.Argb[i];
    if (Channel(argb, 24) < kMinVisibleAlpha) {
      image.Pixels[i] = SpriteColorKey;
      continue;
    }
    std::uint32_t pixel = Over(argb, background);
    if (pixel == SpriteColorKey) pixel = 0x00FE00FE;
    if (pixel == 0) pixel = 0x00010101;
    image.Pixels[i] = pixel;
  }
  return image;
}

TImage FlattenOpaque(const TRaster& raster) {
  TImage image = Blank(raster);
  for (size_t i = 0; i < raster.Argb.size(); ++i) image.Pixels[i] = Over(raster.Argb[i], 0);
  return image;
}

TImage MaskOf(const TRaster& raster) {
  TImage image = Blank(raster);
  for (size_t i = 0; i < raster.Argb.size(); ++i)
    image.Pixels[i] = Channel(raster.Argb[i], 24) >= 128 ? 0x00FFFFFF : 0;
  return image;
}
