#pragma once

#include <string_view>

#include "base/image.h"

// Decodes a BMP file (file header included): BITMAPINFOHEADER and its V4/V5 successors,
// 1/4/8-bit palettes, 16/24/32-bit pixels (BI_RGB or BI_BITFIELDS), bottom-up or top-down.
// RLE and the old OS/2 header are refused. Every size is checked against the bytes before
// reading; anything that does not fit throws TGraphError.
TImage DecodeBmp(std::string_view bytes);
