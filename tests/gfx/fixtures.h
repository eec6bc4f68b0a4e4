#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>

#include "base/image.h"

namespace fixtures {

inline TImage Filled(int width, int height, std::uint32_t color) {
  TImage image;
  image.Width = width;
  image.Height = height;
  image.Pixels.assign(static_cast<size_t>(width) * height, color);
  return image;
}

// A picture drawn as text rows: '.' is 0, any other character is `color`.
inline TImage Pattern(std::initializer_list<std::string_view> rows, std::uint32_t color = 0xFFFFFF) {
  TImage image;
  image.Height = static_cast<int>(rows.size());
  image.Width = rows.size() ? static_cast<int>(rows.begin()->size()) : 0;
  for (std::string_view row : rows)
    for (char c : row) image.Pixels.push_back(c == '.' ? 0 : color);
  return image;
}

// The image as a 32-bit top-down BMP file, as an image container stores it.
inline std::string Bmp(const TImage& image) {
  std::string bytes;
  auto put = [&bytes](std::uint32_t value, int width) {
    for (int i = 0; i < width; ++i) bytes.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
  };
  const std::uint32_t pixelBytes = static_cast<std::uint32_t>(image.Pixels.size()) * 4;
  bytes += "BM";
  put(14 + 40 + pixelBytes, 4);
  put(0, 4);
  put(14 + 40, 4);
  put(40, 4);
  put(static_cast<std::uint32_t>(image.Width), 4);
  put(static_cast<std::uint32_t>(-image.Height), 4);
  put(1, 2);
  put(32, 2);
  put(0, 4);
  put(pixelBytes, 4);
  put(2835, 4);
  put(2835, 4);
  put(0, 4);
  put(0, 4);
  for (std::uint32_t pixel : image.Pixels) put(pixel, 4);
  return bytes;
}

}  // namespace fixtures
