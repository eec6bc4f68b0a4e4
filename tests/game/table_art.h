#pragma once

#include <cstdint>
#include <string>

#include "base/image.h"
#include "dice/die_sprites.h"
#include "game/table_view.h"
#include "gfx/button_collection.h"
#include "gfx/letters.h"
#include "gfx/surface_collection.h"

// Sprites, die sprites and fonts made of plain colour blocks, so that a drawn table can be
// read back pixel by pixel: every glyph is a 4 x 7 block whose colour names its font and
// character.
struct TTableArtFixture {
  static constexpr std::uint32_t Back = 0x202020;
  static constexpr int GlyphWidth = 4;
  static constexpr int GlyphHeight = 7;

  static TImage Block(int width, int height, std::uint32_t color) {
    TImage image;
    image.Width = width;
    image.Height = height;
    image.Pixels.assign(static_cast<std::size_t>(width) * height, color);
    return image;
  }
  static std::uint32_t GlyphColor(int font, std::uint8_t code) {
    return (static_cast<std::uint32_t>(0xE0 + font) << 16) | 0xE000u | code;
  }
  static std::uint32_t DieColor(int face, int frame) {
    return 0xD00000u | static_cast<std::uint32_t>(face) << 8 | static_cast<std::uint32_t>(frame);
  }
  // The sprites of the table and the colour each is filled with.
  struct TSprite {
    const char* Name;
    int Width;
    int Height;
    std::uint32_t Color;
  };
  static constexpr TSprite kSprites[] = {
      {"BACK", 600, 420, Back},    {"STAT", 16, 16, 0x0000A1},   {"SCORE", 16, 16, 0x0000A2},
      {"BOLT", 16, 16, 0x0000A3},  {"BARREL", 16, 16, 0x0000A4}, {"SPADE", 16, 16, 0x0000A5},
      {"COMP", 16, 16, 0x0000AC},  {"PN_UP", 30, 20, 0x0000A6},  {"PAN_L", 60, 50, 0x0000A7},
      {"PAN_R", 60, 50, 0x0000A8},
  };
  static std::uint32_t ColorOf(const std::string& name) {
    for (const TSprite& sprite : kSprites)
      if (name == sprite.Name) return sprite.Color;
    return 0;
  }

  TTableArtFixture() {
    for (const TSprite& sprite : kSprites) Sprites.AddSurface(sprite.Name, Block(sprite.Width, sprite.Height, sprite.Color));
    for (int face = 1; face <= 6; ++face)
      for (int frame = 0; frame < DieSpriteFrames; ++frame)
        DieSprites.AddSurface(DieSpriteName(face, frame), Block(66, 88, DieColor(face, frame)));
    for (int font = 0; font < 3; ++font)
      for (int code = 32; code < 127; ++code)
        Letters.AddGlyph(font, std::to_string(code),
                         Block(GlyphWidth, GlyphHeight, GlyphColor(font, static_cast<std::uint8_t>(code))), {});
  }

  TTableArt Art() const { return {Sprites, DieSprites, Letters, Buttons}; }

  // The text drawn along row y between x0 and x1, and the fonts it was drawn in.
  struct TRead {
    std::string Text;
    int Fonts = 0;  // bit per font
  };
  static TRead ReadText(const TSurface& surface, int y, int x0, int x1) {
    TRead read;
    std::uint32_t previous = 0;
    for (int x = x0; x <= x1; ++x) {
      const std::uint32_t pixel = surface.Pixel(x, y) & 0xFFFFFF;
      const int font = static_cast<int>(pixel >> 16) - 0xE0;
      const bool glyph = font >= 0 && font < 3 && ((pixel >> 8) & 0xFF) == 0xE0;
      if (glyph && pixel != previous) {
        read.Text.push_back(static_cast<char>(pixel & 0xFF));
        read.Fonts |= 1 << font;
      }
      previous = glyph ? pixel : 0;
    }
    return read;
  }

  TSurfaceSortCollection Sprites;
  TSurfaceSortCollection DieSprites;
  TLettersCollection Letters;
  TSefraButtonCollection Buttons;
};
