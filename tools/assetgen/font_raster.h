#pragma once

#include <cstddef>  // gfx/image.h uses size_t without including it
#include <map>
#include <string>
#include <vector>

#include "base/image.h"

// Glyph images of a bitmap font: white where the letter is, black elsewhere.
struct TGlyphSet {
  int Ascent = 0;                          // pixels above the baseline, the same in every image
  int Descent = 0;                         // pixels below it
  std::map<unsigned char, TImage> Glyphs;  // by Windows-1251 code
};

// The Windows-1251 codes of a charset file (UTF-8 lines of characters, "#" lines are
// comments), in code order, the space always included. Throws std::runtime_error for a
// character the code page lacks.
std::vector<unsigned char> CharsetCodes(const std::string& charsetText);

// Renders the given Windows-1251 codes of a TrueType font at a pixel size, monochrome and
// hinted. Every image is Ascent + Descent high (the extremes over the whole set) and as
// wide as the character's advance, widened only where the ink sticks out beyond it.
// Throws std::runtime_error when the font is unreadable or lacks one of the characters.
TGlyphSet RenderGlyphs(const std::string& fontPath, int pixelSize,
                       const std::vector<unsigned char>& codes);
