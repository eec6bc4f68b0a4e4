#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "gfx/letter_style.h"
#include "gfx/surface_collection.h"

class TGraphCollection;

// One enumeration for both axes: horizontal positions take laLeft, laCenter or laRight,
// vertical ones laCenter, laTop or laBottom.
enum class TLetterAlign : std::uint8_t { laLeft = 0, laCenter = 1, laRight = 2, laTop = 3, laBottom = 4 };

// Up to ten coloured bitmap fonts built from one glyph container, and text drawn with them.
// Texts are Windows-1251 bytes; lines are separated by CR LF; "&" and a digit picks the font
// for what follows ("&&" is a literal "&"), and every line starts in font 0.
class TLettersCollection : public TSurfaceCollection {
public:
  static constexpr int FontCount = 10;
  // The glyph tables hold this many surfaces; glyphs beyond it are dropped.
  static constexpr int MaxGlyphs = 2561;
  static constexpr int MissingGlyphWidth = 10;
  static constexpr int GlyphGap = 2;

  TLettersCollection();

  // Frees the glyph surfaces and forgets every font.
  void Clear() override;

  // Builds font number `font` (0..9, others do nothing) from every entry of a loaded glyph
  // container, in its order; `pump` runs after every twentieth entry.
  void AddFont(const TGraphCollection& glyphs, const TLetterStyle& style, int font,
               const std::function<void()>& pump = {});
  // One entry of that build: the glyph for the character named by `name`. False when the
  // glyph was dropped (bad font number, unusable image, tables full).
  bool AddGlyph(int font, std::string_view name, const TImage& image, const TLetterStyle& style);
  // The character code an entry name stands for: a decimal number, low 8 bits; 0 otherwise.
  static std::uint8_t GlyphCode(std::string_view name);

  // -1 when the font has no glyph for the code.
  int GlyphIndex(int font, std::uint8_t code) const;
  int GlyphWidth(int glyph) const;
  int GlyphHeight(int glyph) const;

  static std::vector<std::string_view> SplitLines(std::string_view text);
  std::vector<int> TextToGlyphs(std::string_view line) const;

  int LineHeight(std::string_view line) const;
  int TextWidth(std::string_view line) const;
  // The lines' heights plus `spacing` after each line, the last included.
  int TextHeight(std::string_view text, int spacing) const;

  void DrawLine(TSurface& target, int x, int y, std::string_view line, TLetterAlign horizontal,
                TLetterAlign vertical) const;
  void DrawText(TSurface& target, int x, int y, std::string_view text, TLetterAlign horizontal,
                TLetterAlign vertical, int spacing) const;

private:
  int WidthOf(const std::vector<int>& glyphs) const;
  int HeightOf(const std::vector<int>& glyphs) const;

  std::array<std::array<int, 256>, FontCount> FGlyphIndex;
  std::array<int, MaxGlyphs> FGlyphWidth{};
  std::array<int, MaxGlyphs> FGlyphHeight{};
};
