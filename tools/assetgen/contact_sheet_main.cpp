// Draws the contact sheets of the built containers: every sprite of "graph.col" with its
// name, every glyph of "font.col" with sample lines, and every frame of the banners of
// "rekl.col", read back through the game's own readers, so the sheets show what the game
// will load.
//
//   thousand_contact_sheet GRAPH.col FONT.col REKL.col SPRITES.png FONT.png BANNERS.png

#include <cstdio>
#include <exception>
#include <stdexcept>
#include <string>

#include "gfx/container_records.h"
#include "gfx/gif_decoder.h"
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

// Frames as the banner strip shows them: on white, each laid over what the earlier ones
// left, its transparent index skipped.
std::vector<TSheetBanner> BannersOf(const std::string& path) {
  const std::string bytes = ReadFileBytes(path);
  std::vector<TSheetBanner> banners;
  for (const TContainerRecord& record : SplitContainer(bytes, path)) {
    const std::optional<TBannerKey> key = ParseBannerKey(record.Key);
    if (!key) throw std::runtime_error(path + ": banner key too short");
    const TGifImage gif = DecodeGif(record.Data);
    TSheetBanner banner;
    banner.Caption = std::to_string(key->RepeatCount) + "x " + std::string(key->Link);
    TImage picture;
    picture.Width = gif.Width;
    picture.Height = gif.Height;
    picture.Pixels.assign(static_cast<size_t>(gif.Width) * gif.Height, 0x00FFFFFF);
    for (const TGifFrame& frame : gif.Frames) {
      for (int y = 0; y < frame.Height; ++y)
        for (int x = 0; x < frame.Width; ++x) {
          const int index = frame.Indices[static_cast<size_t>(y) * frame.Width + x];
          const int px = frame.Left + x, py = frame.Top + y;
          if (index != frame.TransparentIndex && px < gif.Width && py < gif.Height)
            picture.Pixels[static_cast<size_t>(py) * gif.Width + px] = frame.Palette[index];
        }
      banner.Frames.push_back(picture);
    }
    banners.push_back(std::move(banner));
  }
  return banners;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 7) {
    std::fprintf(stderr, "usage: %s GRAPH.col FONT.col REKL.col SPRITES.png FONT.png BANNERS.png\n",
                 argv[0]);
    return 2;
  }
  try {
    const TGraphCollection graph = Load(argv[1]);
    const TGlyphMap glyphs = GlyphsOf(Load(argv[2]));
    std::vector<TSheetSprite> sprites;
    for (int i = 0; i < graph.Count(); ++i)
      sprites.push_back({std::string(graph.GetName(i)), graph.GetGraphic(i), graph.GetColorKey(i),
                         graph.GetKind(i) == gkBitmap && graph.GetColorKey(i) != 0});
    WriteFileBytes(argv[4], EncodePng(SpriteSheet(sprites, glyphs)));
    WriteFileBytes(argv[5], EncodePng(FontSheet(glyphs)));
    WriteFileBytes(argv[6], EncodePng(BannerSheet(BannersOf(argv[3]), glyphs)));
  } catch (const std::exception& e) {
    std::fprintf(stderr, "%s\n", e.what());
    return 1;
  }
  return 0;
}
