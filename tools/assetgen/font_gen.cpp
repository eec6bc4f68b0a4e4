// Renders the bitmap font "font.col" from a TrueType font with FreeType in monochrome mode.
//
//   thousand_font_gen FONT.ttf PIXEL_SIZE CHARSET.txt OUT.col
//
// One entry per Windows-1251 code, named by the code in decimal: a white-on-black image as
// wide as the character's advance and as high as the tallest ascent plus the deepest descent
// of the whole set, the letter standing on a common baseline.

#include <cstdio>
#include <exception>
#include <stdexcept>
#include <string>

#include "gfx/cp1251.h"
#include "tools/assetgen/font_raster.h"
#include "tools/assetgen/image_files.h"
#include "tools/assetgen/svg_render.h"
#include "tools/col_writer.h"

namespace {

// The characters of the set as Windows-1251 codes, in code order, the space included.
std::vector<unsigned char> CodesOf(const std::string& charsetText) {
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

}  // namespace

int main(int argc, char** argv) {
  if (argc != 5) {
    std::fprintf(stderr, "usage: %s FONT.ttf PIXEL_SIZE CHARSET.txt OUT.col\n", argv[0]);
    return 2;
  }
  try {
    const std::vector<unsigned char> codes = CodesOf(ReadFileBytes(argv[3]));
    const TGlyphSet glyphs = RenderGlyphs(argv[1], std::stoi(argv[2]), codes);
    std::vector<TColRecord> records;
    for (const auto& [code, image] : glyphs.Glyphs)
      records.push_back(ImageRecord(gkBitmap, 0, std::to_string(code), EncodeBmp(image)));
    WriteFileBytes(argv[4], BuildContainer(records));
  } catch (const std::exception& e) {
    std::fprintf(stderr, "%s\n", e.what());
    return 1;
  }
  return 0;
}
