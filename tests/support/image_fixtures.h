#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "base/image.h"

// Small image files made by the tests themselves, to feed the decoders.

// A BMP file around raw pixel rows given in file order (each row already padded to 4 bytes).
struct TBmpFixture {
  int Width = 1;
  int Height = 1;  // negative: rows stored top to bottom
  int Bits = 24;
  std::uint32_t Compression = 0;
  std::uint32_t HeaderSize = 40;
  std::vector<std::uint32_t> Palette = {};  // 0x00RRGGBB
  std::vector<std::uint32_t> Masks = {};    // after a 40-byte header, or inside a longer one
  std::string Rows = {};
};
std::string BuildBmp(const TBmpFixture& bmp);
std::string EncodeBmp24(const TImage& image, bool topDown = false);

// A baseline JPEG made with libjpeg's compressor.
std::string EncodeJpeg(const TImage& image, int quality = 95);

struct TGifFixtureFrame {
  int Left = 0;
  int Top = 0;
  int Width = 1;
  int Height = 1;
  std::vector<std::uint8_t> Indices = {};
  std::vector<std::uint32_t> LocalPalette = {};  // empty: none; else a power of two entries
  bool Interlace = false;
  bool HasControl = true;
  int Delay = 0;
  int TransparentIndex = -1;
  int Disposal = 0;
};
// A GIF89a made with giflib's encoder; an empty global palette writes none.
std::string EncodeGif(int width, int height, const std::vector<std::uint32_t>& globalPalette,
                      const std::vector<TGifFixtureFrame>& frames);

// A picture whose every pixel differs from its neighbours, for exact round trips.
TImage PatternImage(int width, int height);
