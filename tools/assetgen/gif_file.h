#pragma once

#include <cstddef>  // gfx/image.h uses size_t without including it
#include <string>
#include <vector>

#include "base/image.h"

struct TGifFrameSource {
  TImage Picture;  // the whole logical screen, opaque
  int Delay = 0;   // hundredths of a second
};

// An animated GIF (89a) of full-screen frames sharing one 256-colour palette chosen for all
// of them (median cut), encoded with giflib. Deterministic. Every frame must have the size
// of the first. Throws std::runtime_error when giflib refuses.
std::string EncodeAnimatedGif(const std::vector<TGifFrameSource>& frames);
