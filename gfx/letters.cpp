#include "gfx/letters.h"

#include <algorithm>
#include <charconv>

#include "base/image.h"
#include "gfx/graph_collection.h"

TLettersCollection::TLettersCollection() { Clear(); }

void TLettersCollection::Clear() {
  TSurfaceCollection::Clear();
  for (auto& font : FGlyphIndex) font.fill(-1);
  FGlyphWidth.fill(0);
  FGlyphHeight.fill(0);
}

std::uint8_t TLettersCollection::GlyphCode(std::string_view name) {
  if (!name.empty() && name.front() == '+') name.remove_prefix(1);
  std::int32_t number = 0;
  const auto [end, error] = std::from_chars(name.data(), name.data() + name.size(), number);
  if (name.empty() || error != std::errc() || end != name.data() + name.size()) return 0;
  return static_cast<std::uint8_t>(static_cast<std::uint32_t>(number) & 0xFF);
}

void TLettersCollection::AddFont(const TGraphCollection& glyphs, const TLetterStyle& style, int font,
                                 const std::function<void()>& pump) {
  if (font < 0 || font >= FontCount) return;
  for (int i = 0; i < glyphs.Count(); ++i) {
    AddGlyph(font, glyphs.GetName(i), glyphs.GetGraphic(i), style);
    if (pump && i % 20 == 0) pump();
  }
}

bool TLettersCollection::AddGlyph(int font, std::string_view name, const TImage& image,
                                  const TLetterStyle& style) {
  if (font < 0 || font >= FontCount || Count() >= MaxGlyphs) return false;
  const TImage glyph = ApplyLetterStyle(image, style);
  const int index = AddFromDIB(glyph);
  if (index < 0) return false;
  GetSurface(index)->SetColorKey(0);
  FGlyphIndex[font][GlyphCode(name)] = index;
  FGlyphWidth[index] = glyph.Width;
  FGlyphHeight[index] = glyph.Height;
  return true;
}

int TLettersCollection::GlyphIndex(int font, std::uint8_t code) const {
  return font >= 0 && font < FontCount ? FGlyphIndex[font][code] : -1;
}

int TLettersCollection::GlyphWidth(int glyph) const {
  return glyph >= 0 && glyph < MaxGlyphs ? FGlyphWidth[glyph] : 0;
}

int TLettersCollection::GlyphHeight(int glyph) const {
  return glyph >= 0 && glyph < MaxGlyphs ? FGlyphHeight[glyph] : 0;
}

std::vector<std::string_view> TLettersCollection::SplitLines(std::string_view text) {
  std::vector<std::string_view> lines;
  for (size_t end = text.find("\r\n"); end != std::string_view::npos; end = text.find("\r\n")) {
    lines.push_back(text.substr(0, end));
    text.remove_prefix(end + 2);
  }
  if (!text.empty()) lines.push_back(text);
  return lines;
}

std::vector<int> TLettersCollection::TextToGlyphs(std::string_view line) const {
  std::vector<int> glyphs;
  glyphs.reserve(line.size());
  int font = 0;
  bool escape = false;
  for (const char byte : line) {
    if (escape && byte != '&') {
      font = byte >= '0' && byte <= '9' ? byte - '0' : 0;
      escape = false;
    } else if (byte == '&' && !escape) {
      escape = true;
    } else {
      escape = false;
      glyphs.push_back(FGlyphIndex[font][static_cast<std::uint8_t>(byte)]);
    }
  }
  return glyphs;
}

int TLettersCollection::WidthOf(const std::vector<int>& glyphs) const {
  int width = 0;
  for (const int glyph : glyphs) width += glyph < 0 ? MissingGlyphWidth : FGlyphWidth[glyph] + GlyphGap;
  return width;
}

int TLettersCollection::HeightOf(const std::vector<int>& glyphs) const {
  int height = 0;
  for (const int glyph : glyphs)
    if (glyph >= 0) height = std::max(height, FGlyphHeight[glyph]);
  return height;
}

int TLettersCollection::LineHeight(std::string_view line) const { return HeightOf(TextToGlyphs(line)); }

int TLettersCollection::TextWidth(std::string_view line) const { return WidthOf(TextToGlyphs(line)); }

int TLettersCollection::TextHeight(std::string_view text, int spacing) const {
  int height = 0;
  for (const std::string_view line : SplitLines(text)) height += LineHeight(line) + spacing;
  return height;
}

void TLettersCollection::DrawLine(TSurface& target, int x, int y, std::string_view line, TLetterAlign horizontal,
                                  TLetterAlign vertical) const {
  const std::vector<int> glyphs = TextToGlyphs(line);
  // Alignments that do not belong to an axis leave the start on the given point.
  if (horizontal == TLetterAlign::laCenter)
    x -= WidthOf(glyphs) / 2;
  else if (horizontal == TLetterAlign::laRight)
    x -= WidthOf(glyphs);
  if (vertical == TLetterAlign::laCenter)
    y -= HeightOf(glyphs) / 2;
  else if (vertical == TLetterAlign::laBottom)
    y -= HeightOf(glyphs);
  for (const int glyph : glyphs) {
    if (glyph < 0) {
      x += MissingGlyphWidth;
      continue;
    }
    if (const TSurface* surface = GetSurface(glyph)) target.Draw(x, y, *surface, true);
    x += FGlyphWidth[glyph] + GlyphGap;
  }
}

void TLettersCollection::DrawText(TSurface& target, int x, int y, std::string_view text, TLetterAlign horizontal,
                                  TLetterAlign vertical, int spacing) const {
  switch (vertical) {
    case TLetterAlign::laTop:
      break;
    case TLetterAlign::laCenter:
      y -= TextHeight(text, spacing) / 2;
      break;
    case TLetterAlign::laBottom:
      y -= TextHeight(text, spacing);
      break;
    default:
      y = 0;  // not a vertical alignment: the block starts at the top edge
      break;
  }
  for (const std::string_view line : SplitLines(text)) {
    DrawLine(target, x, y, line, horizontal, TLetterAlign::laTop);
    y += LineHeight(line) + spacing;
  }
}
