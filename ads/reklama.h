#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "base/image.h"
#include "gfx/gif_decoder.h"

// The banner rotator: the banners of "rekl.col" in file order, each its container key
// (repeat count, then link) and its decoded GIF animation, owned by the list; it plays the
// shown banner's animation and moves on to the next after its repeat count of plays.
class TReklama {
public:
  std::string FileName;  // the container to read

  // Empties the list and reads FileName whole. False when the file is missing or unreadable,
  // when its records are cut short, when a key is too short for the repeat count and when a banner does not decode as a GIF: a list is
  // either whole or empty, never holding a broken entry.
  bool Load();

  int Count() const { return static_cast<int>(FEntries.size()); }
  // The entry's key as stored; empty for an index out of range.
  const std::string& GetKey(int index) const;
  // nullptr for an index out of range.
  const TGifImage* GetImage(int index) const;
  // The first four bytes of the key, little-endian signed; 0 out of range.
  std::int32_t RepeatCount(int index) const;
  // The key from its fifth byte on; empty out of range.
  std::string LinkOf(int index) const;

  // Both start the animation again from the first banner.
  void Clear();
  void Delete(int index);

  // The picture of the banner shown, composed up to its current frame: frames are laid over
  // the earlier ones on a white start, each tiled from its own corner, transparent pixels
  // left out. Drawn only when the banner or the frame changed; that restarts the frame's
  // time at `nowMs`. Empty (0 x 0) without banners.
  const TImage& CurrentImage(std::uint32_t nowMs);
  // Once per paint: when the shown frame's delay has passed, the next frame, after the last
  // frame the next play, after the banner's repeat count of plays the next banner (the first
  // after the last). At most one frame per call.
  void Tick(std::uint32_t nowMs);
  // The banner shown (FIndex).
  int Index() const { return FIndex; }
  int Frame() const { return FFrame; }

private:
  bool InRange(int index) const { return index >= 0 && index < Count(); }
  // Back to the first frame of the first banner, nothing drawn.
  void RestartAnimation();
  void StartPicture(const TGifImage& image);

  std::vector<std::pair<std::string, TGifImage>> FEntries;
  std::int32_t FIndex = 0;
  std::int32_t FFrame = 0;
  std::int32_t FDrawnIndex = -1;
  std::int32_t FDrawnFrame = -1;
  TImage FBitmap;
  std::uint32_t FFrameTime = 0;
  std::int32_t FFrameDelay = 0;  // hundredths of a second
  std::int32_t FLoops = 0;
};
