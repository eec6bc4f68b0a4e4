#pragma once

#include <cstddef>  // gfx/image.h uses size_t without including it
#include <string>

#include "base/image.h"
#include "tools/assetgen/svg_render.h"

// Image file encoders for the pipeline. Each gives the file's bytes and depends only on the
// pixels, so the containers come out the same on every build.

// 24-bit uncompressed BMP with its file header, bottom-up rows as usual.
std::string EncodeBmp(const TImage& image);
// 32-bit BMP with an alpha channel (BITMAPV4HEADER with bit fields), for the window icon.
std::string EncodeBmpWithAlpha(const TRaster& raster);
// Baseline JFIF without chroma subsampling (sharp edges on drawn labels).
std::string EncodeJpeg(const TImage& image, int quality);
// Opaque PNG, for contact sheets and previews.
std::string EncodePng(const TImage& image);
// PNG with its alpha channel, for the desktop icons.
std::string EncodePngWithAlpha(const TRaster& raster);
