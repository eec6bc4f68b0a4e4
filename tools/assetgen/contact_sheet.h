#pragma once

#include <cstddef>  // gfx/image.h uses size_t without including it
#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "base/image.h"

// Overview pictures of the built containers, for the README and for a look at the art.

using TGlyphMap = std::map<unsigned char, TImage>;  // by Windows-1251 code

struct TSheetSprite {
  std::string Name;  // Windows-1251
  TImage Image;
  std::uint32_t ColorKey = 0;
  bool Keyed = false;  // drawn with its colour key (icons, buttons) or opaque (backgrounds)
};

// Every sprite with its name beneath, in rows, on a neutral checkered ground so keyed
// sprites show their shape; the names are written with the game's own font.
TImage SpriteSheet(const std::vector<TSheetSprite>& sprites, const TGlyphMap& font);

struct TSheetBanner {
  std::string Caption;         // Windows-1251
  std::vector<TImage> Frames;  // as the strip shows them, each laid over the one before
};

// The banners side by side, each with its frames from top to bottom under its caption.
TImage BannerSheet(const std::vector<TSheetBanner>& banners, const TGlyphMap& font);

// Every glyph (its whole box, doubled in size) in a grid with its code, then sample lines in the
// game's three text colours with the one-pixel shadow the game adds, on the table's baize.
TImage FontSheet(const TGlyphMap& font);
