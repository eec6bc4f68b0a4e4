#pragma once

#include <cstddef>
#include <cstdint>

#include "base/rect.h"

struct SDL_Surface;
struct TImage;

// An off-screen 2D surface: 32 bits per pixel, 0x00RRGGBB, with a colour key that transparent
// draws leave out. A fresh surface is empty (0 x 0) and its colour key is 0 (black).
class TSurface {
public:
  TSurface() = default;
  ~TSurface();
  TSurface(const TSurface&) = delete;
  TSurface& operator=(const TSurface&) = delete;

  // Both give false (and leave an empty surface) when the size or the image is unusable.
  bool SetSize(int width, int height);
  bool LoadImage(const TImage& image);

  int Width() const;
  int Height() const;
  TRect FullRect() const { return {0, 0, Width(), Height()}; }

  void Fill(std::uint32_t color);
  void FillRect(const TRect& rect, std::uint32_t color);

  // Copies `from` of `source` with its top left corner at (x, y), clipped to both surfaces.
  // When transparent, source pixels equal to the source's colour key are left out.
  void Draw(int x, int y, const TSurface& source, const TRect& from, bool transparent);
  void Draw(int x, int y, const TSurface& source, bool transparent) {
    Draw(x, y, source, source.FullRect(), transparent);
  }

  // The pixel value at (x, y); 0 outside the surface.
  std::uint32_t Pixel(int x, int y) const;
  // All pixels, rows top to bottom without gaps, into `out` (room for Width() x Height()),
  // for handing a finished frame to the screen.
  void ReadPixels(std::uint32_t* out) const { ReadPixels(FullRect(), out); }
  // The pixels of `part` (within the surface), rows without gaps, into `out`.
  void ReadPixels(const TRect& part, std::uint32_t* out) const;

  // Row `y` (within the surface) as it is kept, for copying without a copy between: the low
  // 24 bits of each pixel are 0x00RRGGBB, the top byte is undefined. Rows lie Stride() apart.
  const std::uint32_t* RowPixels(int y) const { return Row(y); }
  std::ptrdiff_t Stride() const;

  std::uint32_t ColorKey() const { return FColorKey; }
  void SetColorKey(std::uint32_t key);

private:
  void Replace(SDL_Surface* surface);
  std::uint32_t* Row(int y) const;

  SDL_Surface* FSurface = nullptr;
  std::uint32_t FColorKey = 0;
};
