#include "platform/surface.h"

#include <SDL.h>

#include <algorithm>
#include <cstring>
#include <limits>

#include "base/image.h"

namespace {

constexpr Uint32 kFormat = SDL_PIXELFORMAT_XRGB8888;
// The top byte of an XRGB pixel carries nothing; keep it out of every value we hand over.
constexpr std::uint32_t kRgbMask = 0x00FFFFFF;

bool UsableSize(long long width, long long height) {
  constexpr long long kMaxSide = std::numeric_limits<int>::max() / 4;
  return width >= 0 && height >= 0 && width <= kMaxSide && height <= kMaxSide &&
         width * height <= std::numeric_limits<int>::max() / 4;
}

// Clips a rectangle given in wide integers to (0, 0, width, height); false when nothing is left.
bool Clip(long long& left, long long& top, long long& w, long long& h, int width, int height) {
  long long right = std::min<long long>(left + w, width);
  long long bottom = std::min<long long>(top + h, height);
  left = std::max<long long>(left, 0);
  top = std::max<long long>(top, 0);
  w = right - left;
  h = bottom - top;
  return w > 0 && h > 0;
}

SDL_Rect ToSdl(long long left, long long top, long long w, long long h) {
  return {static_cast<int>(left), static_cast<int>(top), static_cast<int>(w), static_cast<int>(h)};
}

}  // namespace

TSurface::~TSurface() { Replace(nullptr); }

void TSurface::Replace(SDL_Surface* surface) {
  if (FSurface) SDL_FreeSurface(FSurface);
  FSurface = surface;
  // Set once the surface has its final format: a key set before a conversion would be lost.
  if (FSurface) SDL_SetColorKey(FSurface, SDL_TRUE, FColorKey);
}

std::uint32_t* TSurface::Row(int y) const {
  return reinterpret_cast<std::uint32_t*>(static_cast<std::uint8_t*>(FSurface->pixels) +
                                          static_cast<size_t>(y) * FSurface->pitch);
}

bool TSurface::SetSize(int width, int height) {
  if (!UsableSize(width, height)) {
    Replace(nullptr);
    return false;
  }
  Replace(SDL_CreateRGBSurfaceWithFormat(0, width, height, 32, kFormat));
  return FSurface != nullptr;
}

bool TSurface::LoadImage(const TImage& image) {
  if (!UsableSize(image.Width, image.Height) ||
      image.Pixels.size() != static_cast<size_t>(image.Width) * static_cast<size_t>(image.Height)) {
    Replace(nullptr);
    return false;
  }
  if (image.Pixels.empty()) return SetSize(image.Width, image.Height);
  // The image's memory already has the XRGB layout; SDL copies it into a surface of its own.
  SDL_Surface* view = SDL_CreateRGBSurfaceWithFormatFrom(
      const_cast<std::uint32_t*>(image.Pixels.data()), image.Width, image.Height, 32, image.Width * 4,
      kFormat);
  if (!view) {
    Replace(nullptr);
    return false;
  }
  Replace(SDL_ConvertSurfaceFormat(view, kFormat, 0));
  SDL_FreeSurface(view);
  return FSurface != nullptr;
}

std::ptrdiff_t TSurface::Stride() const {
  return FSurface ? FSurface->pitch / static_cast<std::ptrdiff_t>(sizeof(std::uint32_t)) : 0;
}

int TSurface::Width() const { return FSurface ? FSurface->w : 0; }

int TSurface::Height() const { return FSurface ? FSurface->h : 0; }

void TSurface::Fill(std::uint32_t color) { FillRect(FullRect(), color); }

// Row fills rather than SDL_FillRect, which runs several times slower with the SDL we build on.
void TSurface::FillRect(const TRect& rect, std::uint32_t color) {
  if (!FSurface) return;
  long long left = rect.Left, top = rect.Top, w = rect.Width, h = rect.Height;
  if (!Clip(left, top, w, h, Width(), Height())) return;
  for (long long y = top; y < top + h; ++y) std::fill_n(Row(static_cast<int>(y)) + left, w, color & kRgbMask);
}

void TSurface::SetColorKey(std::uint32_t key) {
  FColorKey = key & kRgbMask;
  if (FSurface) SDL_SetColorKey(FSurface, SDL_TRUE, FColorKey);
}

void TSurface::Draw(int x, int y, const TSurface& source, const TRect& from, bool transparent) {
  if (!FSurface || !source.FSurface || &source == this) return;
  long long sx = from.Left, sy = from.Top, w = from.Width, h = from.Height;
  if (!Clip(sx, sy, w, h, source.Width(), source.Height())) return;
  // Where the part of the source that survived its own clipping lands on the target.
  const long long landX = static_cast<long long>(x) + (sx - from.Left);
  const long long landY = static_cast<long long>(y) + (sy - from.Top);
  long long dx = landX, dy = landY, dw = w, dh = h;
  if (!Clip(dx, dy, dw, dh, Width(), Height())) return;
  sx += dx - landX;
  sy += dy - landY;
  if (transparent) {
    SDL_Rect src = ToSdl(sx, sy, dw, dh);
    SDL_Rect dst = ToSdl(dx, dy, dw, dh);
    SDL_BlitSurface(source.FSurface, &src, FSurface, &dst);
    return;
  }
  // Opaque copies go row by row through memcpy: SDL's plain blit is several times slower here,
  // and every frame starts with a full-screen one.
  for (long long row = 0; row < dh; ++row)
    std::memcpy(Row(static_cast<int>(dy + row)) + dx, source.Row(static_cast<int>(sy + row)) + sx,
                static_cast<size_t>(dw) * sizeof(std::uint32_t));
}

std::uint32_t TSurface::Pixel(int x, int y) const {
  if (!FSurface || x < 0 || y < 0 || x >= FSurface->w || y >= FSurface->h) return 0;
  return Row(y)[x] & kRgbMask;
}

void TSurface::ReadPixels(const TRect& part, std::uint32_t* out) const {
  // Read every tick for the present gate: the sizes are taken once so the mask vectorises.
  const TRect from = Intersection(part, FullRect());
  for (int y = 0; y < from.Height; ++y) {
    std::uint32_t* row = out + static_cast<size_t>(y) * from.Width;
    std::memcpy(row, Row(from.Top + y) + from.Left, static_cast<size_t>(from.Width) * sizeof(std::uint32_t));
    for (int x = 0; x < from.Width; ++x) row[x] &= kRgbMask;
  }
}
