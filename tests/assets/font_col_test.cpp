// "font.col" as built: the characters the game writes, on one baseline, one line height.

#include <gtest/gtest.h>

#include <map>
#include <string>

#include "base/cp1251.h"
#include "gfx/graph_collection.h"
#include "tests/assets/built_containers.h"

namespace {

std::map<int, TImage> Glyphs() {
  const TGraphCollection font = LoadBuiltContainer("font.col");
  std::map<int, TImage> glyphs;
  for (int i = 0; i < font.Count(); ++i) {
    const std::string name(font.GetName(i));
    EXPECT_EQ(name, std::to_string(std::stoi(name))) << "names are plain decimal codes";
    EXPECT_TRUE(glyphs.emplace(std::stoi(name), font.GetGraphic(i)).second) << name;
  }
  return glyphs;
}

// The lowest row with ink; -1 for an empty glyph.
int LastInkRow(const TImage& glyph) {
  for (int y = glyph.Height - 1; y >= 0; --y)
    for (int x = 0; x < glyph.Width; ++x)
      if (glyph.Pixel(x, y) & 0x00FFFFFF) return y;
  return -1;
}

TEST(FontCol, CoversTheTextsTheGameWrites) {
  const std::map<int, TImage> glyphs = Glyphs();
  std::string wanted = " 0123456789";
  for (char c = 'A'; c <= 'Z'; ++c) wanted += {c, static_cast<char>(c - 'A' + 'a')};
  for (int code = 0xC0; code <= 0xFF; ++code) wanted += static_cast<char>(code);
  wanted += Cp1251("Ёё№");
  wanted += Cp1251("!@#№$;%^:&?*()-_+=\\}{[]<>.,/~'\"");  // the player name field's signs
  for (unsigned char code : wanted) EXPECT_TRUE(glyphs.count(code)) << "code " << int(code);
}

TEST(FontCol, GlyphsAreMonochromeAndShareOneLineHeight) {
  const std::map<int, TImage> glyphs = Glyphs();
  ASSERT_FALSE(glyphs.empty());
  const int height = glyphs.begin()->second.Height;
  EXPECT_GE(height, 13);  // about 15 pixels: rows of the tables are 29 apart
  EXPECT_LE(height, 17);
  for (const auto& [code, glyph] : glyphs) {
    SCOPED_TRACE(code);
    EXPECT_EQ(glyph.Height, height);
    EXPECT_GE(glyph.Width, 1);
    bool ink = false;
    for (std::uint32_t p : glyph.Pixels) {
      EXPECT_TRUE((p & 0x00FFFFFF) == 0 || (p & 0x00FFFFFF) == 0x00FFFFFF);
      ink = ink || (p & 0x00FFFFFF);
    }
    EXPECT_EQ(ink, code != ' ');
  }
}

TEST(FontCol, LettersStandOnACommonBaseline) {
  const std::map<int, TImage> glyphs = Glyphs();
  const std::string flat = "AHMZaemxz0158" + Cp1251("БЖШЯабжшя№");  // nothing below the line
  const int baseline = LastInkRow(glyphs.at('H'));
  for (unsigned char code : flat) EXPECT_EQ(LastInkRow(glyphs.at(code)), baseline) << int(code);
  for (unsigned char code : std::string("gjpqy") + Cp1251("руфДЦЩ"))
    EXPECT_GT(LastInkRow(glyphs.at(code)), baseline) << "descender of " << int(code);
}

TEST(FontCol, WidthsFollowTheLetters) {
  const std::map<int, TImage> glyphs = Glyphs();
  EXPECT_LT(glyphs.at('i').Width, glyphs.at('m').Width);
  EXPECT_LT(glyphs.at(' ').Width, glyphs.at('0').Width);
  EXPECT_LT(static_cast<int>(glyphs.at(static_cast<unsigned char>(Cp1251("г")[0])).Width),
            static_cast<int>(glyphs.at(static_cast<unsigned char>(Cp1251("Ж")[0])).Width));
}

}  // namespace
