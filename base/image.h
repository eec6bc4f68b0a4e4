#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

// A decoded picture: rows top to bottom, each pixel 0x00RRGGBB (the top byte is unused).
struct TImage {
  int Width = 0;
  int Height = 0;
  std::vector<std::uint32_t> Pixels;

  std::uint32_t Pixel(int x, int y) const { return Pixels[static_cast<std::size_t>(y) * Width + x]; }
};
