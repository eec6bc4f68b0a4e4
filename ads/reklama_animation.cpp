#include <algorithm>

#include "ads/reklama.h"
#include "platform/clock.h"

namespace {

constexpr std::uint32_t kWhite = 0x00FFFFFF;
// A frame without a graphic control extension stays 100 ms.
constexpr std::int32_t kDefaultDelay = 10;

// The first tile's corner at or before 0, so that one tile lies at `place`.
int FirstTile(int place, int size) {
  const int offset = ((place % size) + size) % size;
  return offset == 0 ? 0 : offset - size;
}

// Lays the frame over the picture, repeated across it from the frame's own corner; pixels of
// the transparent index keep what lies beneath.
void LayFrame(TImage& picture, const TGifFrame& frame) {
  if (frame.Width <= 0 || frame.Height <= 0) return;
  if (frame.Indices.size() < static_cast<std::size_t>(frame.Width) * frame.Height || frame.Palette.size() < 256) return;
  const int firstX = FirstTile(frame.Left, frame.Width);
  const int firstY = FirstTile(frame.Top, frame.Height);
  for (int y = 0; y < picture.Height; ++y) {
    const int row = (y - firstY) % frame.Height;
    const std::uint8_t* indices = frame.Indices.data() + static_cast<std::size_t>(row) * frame.Width;
    std::uint32_t* out = picture.Pixels.data() + static_cast<std::size_t>(y) * picture.Width;
    for (int x = 0; x < picture.Width; ++x) {
      const int index = indices[(x - firstX) % frame.Width];
      if (index != frame.TransparentIndex) out[x] = frame.Palette[index] & 0x00FFFFFFu;
    }
  }
}

}  // namespace

void TReklama::RestartAnimation() {
  FIndex = 0;
  FFrame = 0;
  FDrawnIndex = -1;
  FDrawnFrame = -1;
  FBitmap = {};
  FLoops = 0;
  FFrameDelay = 0;
}

void TReklama::StartPicture(const TGifImage& image) {
  FBitmap.Width = std::max(image.Width, 0);
  FBitmap.Height = std::max(image.Height, 0);
  FBitmap.Pixels.assign(static_cast<std::size_t>(FBitmap.Width) * FBitmap.Height, kWhite);
  FDrawnIndex = FIndex;
  FLoops = 0;
}

const TImage& TReklama::CurrentImage(std::uint32_t nowMs) {
  const TGifImage* image = GetImage(FIndex);
  if (!image || (FIndex == FDrawnIndex && FFrame == FDrawnFrame)) return FBitmap;
  if (FIndex != FDrawnIndex) StartPicture(*image);
  FDrawnFrame = FFrame;
  if (FFrame >= 0 && FFrame < static_cast<int>(image->Frames.size())) {
    const TGifFrame& frame = image->Frames[FFrame];
    LayFrame(FBitmap, frame);
    FFrameDelay = frame.HasControl ? frame.Delay : kDefaultDelay;
  }
  FFrameTime = nowMs;
  return FBitmap;
}

void TReklama::Tick(std::uint32_t nowMs) {
  const TGifImage* image = GetImage(FIndex);
  if (!image || ElapsedMs(FFrameTime, nowMs) < FFrameDelay * 10) return;
  ++FFrame;
  if (FFrame >= static_cast<int>(image->Frames.size())) {
    FFrame = 0;
    ++FLoops;
    if (FLoops >= RepeatCount(FIndex)) {
      ++FIndex;
      if (FIndex >= Count()) FIndex = 0;
    }
  }
  CurrentImage(nowMs);
}
