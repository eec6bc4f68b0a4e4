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

#include "tools/assetgen/font_raster.h"
#include "tools/assetgen/image_files.h"
#include "tools/assetgen/svg_render.h"
#include "tools/col_writer.h"

int main(int argc, char** argv) {
  if (argc != 5) {
    std::fprintf(stderr, "usage: %s FONT.ttf PIXEL_SIZE CHARSET.txt OUT.col\n", argv[0]);
    return 2;
  }
  try {
    const std::vector<unsigned char> codes = CharsetCodes(ReadFileBytes(argv[3]));
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
