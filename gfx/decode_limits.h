#pragma once

#include <cstdint>

// The largest picture a decoder will allocate. A few header bytes can announce gigapixels;
// the game's own pictures are far below this.
constexpr std::int64_t MaxDecodedPixels = std::int64_t{1} << 24;
