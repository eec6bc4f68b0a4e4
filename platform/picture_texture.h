#pragma once

#include <cstdint>

#include "base/rect.h"
#include "platform/letterbox.h"

// A window's fixed-size picture kept by the driver as one texture: pixels go up only where they
// changed, and any part is drawn from it scaled by the letterbox, each pixel a square of the
// factor. Every call needs the context that made it current.
class TPictureTexture {
public:
  // Makes the texture when there is none for `context` (a number that changes with each new
  // context, whose textures the old one's are not). True when it was made: its pixels are unset.
  bool Prepare(int width, int height, int context);
  // `area` of the picture from 0x00RRGGBB rows, top row first, `stride` pixels apart.
  void Upload(const std::uint32_t* pixels, int stride, const TRect& area);
  // `area` of the picture at its place in the drawable, over whatever lies there.
  void Draw(const TLetterbox& box, const TRect& area) const;
  // Frees the texture now, in the current context `context`; one of an older context went with it.
  void Delete(int context);

private:
  unsigned FName = 0;
  int FContext = -1;
  int FWidth = 0;
  int FHeight = 0;
};
