#pragma once

#include <cstddef>  // gfx/image.h uses size_t without including it
#include <cstdint>

#include "base/image.h"
#include "tools/assetgen/svg_render.h"

// Turning rendered pictures (with coverage) into the pixels the game draws, which have none.

// The key every colour-keyed sprite of "graph.col" uses: magenta, which no picture of ours
// contains (a visible pixel that lands on it anyway is nudged off).
constexpr std::uint32_t SpriteColorKey = 0x00FF00FF;

// A colour-keyed sprite: pixels with little coverage become the key, the rest are composited
// over the colour the sprite will stand on, so the soft edges blend into that background
// instead of leaving a fringe. Visible pixels are never the key and never pure black (the
// message panel halves are drawn with black left out as well).
TImage FlattenKeyed(const TRaster& raster, std::uint32_t background);

// An opaque picture (coverage ignored beyond compositing over black).
TImage FlattenOpaque(const TRaster& raster);

// A hit mask: white where the shape is at least half covered, black (not clickable) elsewhere.
TImage MaskOf(const TRaster& raster);
