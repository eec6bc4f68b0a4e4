// Draws the contact sheets of the built containers: every sprite of "graph.col" with its
// name, and every glyph of "font.col" with sample lines, read back through the game's own
// container reader, so the sheets show what the game will load.
//
//   thousand_contact_sheet GRAPH.col FONT.col SPRITES.png FONT.png

#include <cstdio>
#include <exception>
#include <stdexcept>
#include <string>

#include "gfx/graph_collection.h"
#include "tools/assetgen/contact_sheet.h"
#include "tools/assetgen/image_files.h"
#include "tools/assetgen/svg_render.h"

namespace {

TGraphCollection Load(const std::string& path) {
  TGraphCollection collection;
  collection.FileName = path;
  if (!collection.LoadFromFile()) throw std::runtime_error("cannot read " + path);
  return collection;
}

TGlyphMap GlyphsOf(const TGraphCollection& font) {
  TGlyphMap glyphs;
  for (int i = 0; i < font.Count(); ++i)
    glyphs.emplace(static_cast<unsigned char>(std::stoi(std::string(font.GetName(i))) & 0xFF),
                   font.GetGraphic(i));
  return glyphs;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 5) {
    std::fprintf(stderr, "usage: %s GRAPH.col FONT.col SPRITES.png FONT.png\n", argv[0]);
    return 2;
  }
  try {
    const TGraphCollection graph = Load(argv[1]);
    const TGlyphMap glyphs = GlyphsOf(Load(argv[2]));
    std::vector<TSheetSprite> sprites;
    for (int i = 0; i < graph.Count(); ++i)
      sprites.push_back({std::string(graph.GetName(i)), graph.GetGraphic(i), graph.GetColorKey(i),
                         graph.GetKind(i) == gkBitmap && graph.GetColorKey(i) != 0});
    WriteFileBytes(argv[3], EncodePng(SpriteSheet(sprites, glyphs)));
    WriteFileBytes(argv[4], EncodePng(FontSheet(glyphs)));
  } catch (const std::exception& e) {
    std::fprintf(stderr, "%s\n", e.what());
    return 1;
  }
  return 0;
}
