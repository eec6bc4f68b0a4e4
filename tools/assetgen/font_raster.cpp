#include "tools/assetgen/font_raster.h"

#include <ft2build.h>
#include FT_FREETYPE_H

#include <algorithm>
#include <memory>
#include <stdexcept>
#include <string>

#include "base/cp1251.h"

namespace {

struct TFreeType {
  FT_Library Library = nullptr;
  FT_Face Face = nullptr;
  ~TFreeType() {
    if (Face) FT_Done_Face(Face);
    if (Library) FT_Done_FreeType(Library);
  }
};

char32_t CodePointOf(unsigned char code) {
  const std::string utf8 = Utf8(std::string(1, static_cast<char>(code)));
  const auto byte = [&](size_t i) { return static_cast<unsigned char>(utf8[i]); };
  if (utf8.size() == 1) return byte(0);
  if (utf8.size() == 2) return ((byte(0) & 0x1F) << 6) | (byte(1) & 0x3F);
  return ((byte(0) & 0x0F) << 12) | ((byte(1) & 0x3F) << 6) | (byte(2) & 0x3F);
}

// One monochrome glyph as FreeType placed it, before the common height is known.
struct TInk {
  int Advance = 0;
  int Left = 0;  // pen position to the first ink column
  int Top = 0;   // baseline to the first ink row, upwards
  int Width = 0, Rows = 0;
  std::vector<bool> Bits;  // Rows x Width
};

TInk LoadInk(FT_Face face, unsigned char code) {
  const char32_t codePoint = CodePointOf(code);
  if (codePoint == 0xFFFD)
    throw std::runtime_error("code " + std::to_string(code) + " has no character in Windows-1251");
  const FT_UInt index = FT_Get_Char_Index(face, codePoint);
  if (index == 0 && code != ' ')
    throw std::runtime_error("font lacks the character of code " + std::to_string(code));
  if (FT_Load_Glyph(face, index, FT_LOAD_RENDER | FT_LOAD_TARGET_MONO | FT_LOAD_MONOCHROME))
    throw std::runtime_error("FreeType cannot render code " + std::to_string(code));
  const FT_GlyphSlot slot = face->glyph;
  const FT_Bitmap& bitmap = slot->bitmap;
  TInk ink;
  ink.Advance = static_cast<int>((slot->advance.x + 32) >> 6);
  ink.Left = slot->bitmap_left;
  ink.Top = slot->bitmap_top;
  ink.Width = static_cast<int>(bitmap.width);
  ink.Rows = static_cast<int>(bitmap.rows);
  ink.Bits.resize(static_cast<size_t>(ink.Width) * ink.Rows);
  for (int y = 0; y < ink.Rows; ++y) {
    const unsigned char* row = bitmap.buffer + static_cast<ptrdiff_t>(y) * bitmap.pitch;
    for (int x = 0; x < ink.Width; ++x)
      ink.Bits[static_cast<size_t>(y) * ink.Width + x] = (row[x >> 3] >> (7 - (x & 7))) & 1;
  }
  return ink;
}

}  // namespace

TGlyphSet RenderGlyphs(const std::string& fontPath, int pixelSize,
                       const std::vector<unsigned char>& codes) {
  TFreeType ft;
  if (FT_Init_FreeType(&ft.Library)) throw std::runtime_error("FreeType does not start");
  if (FT_New_Face(ft.Library, fontPath.c_str(), 0, &ft.Face))
    throw std::runtime_error("cannot read font " + fontPath);
  if (pixelSize <= 0 || FT_Set_Pixel_Sizes(ft.Face, 0, static_cast<FT_UInt>(pixelSize)))
    throw std::runtime_error("font cannot be set to " + std::to_string(pixelSize) + " px");

  std::map<unsigned char, TInk> inks;
  TGlyphSet set;
  for (unsigned char code : codes) {
    TInk ink = LoadInk(ft.Face, code);
    if (ink.Rows > 0) {
      set.Ascent = std::max(set.Ascent, ink.Top);
      set.Descent = std::max(set.Descent, ink.Rows - ink.Top);
    }
    inks.emplace(code, std::move(ink));
  }

  for (const auto& [code, ink] : inks) {
    // Ink left of the pen (a negative bearing) shifts the letter right instead of being cut.
    const int shift = std::max(0, -ink.Left);
    TImage image;
    image.Width = std::max({1, ink.Advance + shift, shift + ink.Left + ink.Width});
    image.Height = set.Ascent + set.Descent;
    image.Pixels.assign(static_cast<size_t>(image.Width) * image.Height, 0);
    for (int y = 0; y < ink.Rows; ++y)
      for (int x = 0; x < ink.Width; ++x)
        if (ink.Bits[static_cast<size_t>(y) * ink.Width + x])
          image.Pixels[static_cast<size_t>(set.Ascent - ink.Top + y) * image.Width + shift +
                       ink.Left + x] = 0x00FFFFFF;
    set.Glyphs.emplace(code, std::move(image));
  }
  return set;
}

// Marks every code first, so the order and repeats of the file do not matter.
std::vector<unsigned char> CharsetCodes(const std::string& charsetText) {
  std::vector<bool> wanted(256, false);
  wanted[' '] = true;
  size_t lineStart = 0;
  while (lineStart < charsetText.size()) {
    size_t lineEnd = charsetText.find('\n', lineStart);
    if (lineEnd == std::string::npos) lineEnd = charsetText.size();
    const std::string line = charsetText.substr(lineStart, lineEnd - lineStart);
    lineStart = lineEnd + 1;
    if (line.empty() || line[0] == '#') continue;
    const std::string codes = Cp1251(line);
    if (Utf8(codes) != line)
      throw std::runtime_error("charset line has a character outside Windows-1251: " + line);
    for (unsigned char code : codes)
      if (code != ' ') wanted[code] = true;
  }
  std::vector<unsigned char> codes;
  for (int code = 0; code < 256; ++code)
    if (wanted[code]) codes.push_back(static_cast<unsigned char>(code));
  return codes;
}
