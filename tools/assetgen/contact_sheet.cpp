#include "tools/assetgen/contact_sheet.h"

#include <algorithm>

#include "base/cp1251.h"

namespace {

constexpr std::uint32_t kBaize = 0x001D5A3B;
constexpr std::uint32_t kShadowColor = 0x00000040;  // the game's glyph shadow

class TCanvas {
 public:
  TCanvas(int width, int height, std::uint32_t fill) {
    Image.Width = width;
    Image.Height = height;
    Image.Pixels.assign(static_cast<size_t>(width) * height, fill);
  }

  void Put(int x, int y, std::uint32_t color) {
    if (x >= 0 && y >= 0 && x < Image.Width && y < Image.Height)
      Image.Pixels[static_cast<size_t>(y) * Image.Width + x] = color;
  }

  void Checker(int x0, int y0, int w, int h) {
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < w; ++x)
        Put(x0 + x, y0 + y, ((x / 6 + y / 6) % 2) ? 0x00C8C8C8 : 0x00A0A0A0);
  }

  void Blit(const TImage& image, int x0, int y0, bool keyed, std::uint32_t key, int scale = 1) {
    for (int y = 0; y < image.Height * scale; ++y)
      for (int x = 0; x < image.Width * scale; ++x) {
        const std::uint32_t p = image.Pixel(x / scale, y / scale) & 0x00FFFFFF;
        if (!keyed || p != key) Put(x0 + x, y0 + y, p);
      }
  }

  // A glyph as the game draws it: its set pixels in the colour, a shadow one pixel down right.
  void Glyph(const TImage& glyph, int x0, int y0, std::uint32_t color) {
    for (int y = 0; y < glyph.Height; ++y)
      for (int x = 0; x < glyph.Width; ++x)
        if (glyph.Pixel(x, y) & 0x00FFFFFF) Put(x0 + x + 1, y0 + y + 1, kShadowColor);
    for (int y = 0; y < glyph.Height; ++y)
      for (int x = 0; x < glyph.Width; ++x)
        if (glyph.Pixel(x, y) & 0x00FFFFFF) Put(x0 + x, y0 + y, color);
  }

  // A line of Windows-1251 text: glyph width plus 2 per character, 10 for a missing one.
  int Text(const TGlyphMap& font, const std::string& text, int x, int y, std::uint32_t color) {
    for (unsigned char c : text) {
      const auto found = font.find(c);
      if (found == font.end()) {
        x += 10;
        continue;
      }
      Glyph(found->second, x, y, color);
      x += found->second.Width + 2;
    }
    return x;
  }

  TImage Image;
};

int TextWidth(const TGlyphMap& font, const std::string& text) {
  int width = 0;
  for (unsigned char c : text) {
    const auto found = font.find(c);
    width += found == font.end() ? 10 : found->second.Width + 2;
  }
  return width;
}

int LineHeight(const TGlyphMap& font) {
  int height = 0;
  for (const auto& [code, glyph] : font) height = std::max(height, glyph.Height);
  return height;
}

}  // namespace

TImage SpriteSheet(const std::vector<TSheetSprite>& sprites, const TGlyphMap& font) {
  constexpr int kSheetWidth = 1240, kGap = 10;
  const int labelHeight = LineHeight(font) + 4;
  // Lay out first, in rows that wrap at the sheet's width, to know the height.
  struct TPlace {
    int X, Y;
  };
  std::vector<TPlace> places;
  int x = kGap, y = kGap, rowHeight = 0;
  for (const TSheetSprite& sprite : sprites) {
    const int cellWidth = std::max(sprite.Image.Width, TextWidth(font, sprite.Name)) + kGap;
    if (x + cellWidth > kSheetWidth && x > kGap) {
      x = kGap;
      y += rowHeight + kGap;
      rowHeight = 0;
    }
    places.push_back({x, y});
    x += cellWidth;
    rowHeight = std::max(rowHeight, sprite.Image.Height + labelHeight);
  }
  TCanvas canvas(kSheetWidth, y + rowHeight + kGap, 0x00303030);
  for (size_t i = 0; i < sprites.size(); ++i) {
    const TSheetSprite& sprite = sprites[i];
    canvas.Checker(places[i].X, places[i].Y, sprite.Image.Width, sprite.Image.Height);
    canvas.Blit(sprite.Image, places[i].X, places[i].Y, sprite.Keyed, sprite.ColorKey);
    canvas.Text(font, sprite.Name, places[i].X, places[i].Y + sprite.Image.Height + 2, 0x00FFFFFF);
  }
  return canvas.Image;
}

TImage FontSheet(const TGlyphMap& font) {
  constexpr int kColumns = 16, kCellWidth = 44, kMargin = 10, kZoom = 2;
  const int lineHeight = LineHeight(font);
  const int cellHeight = (1 + kZoom) * lineHeight + 8;
  const int gridRows = (static_cast<int>(font.size()) + kColumns - 1) / kColumns;
  const std::vector<std::pair<std::string, std::uint32_t>> samples = {
      {Cp1251("Выпало 150 очков. Всего 650 очков."), 0x00FFFFFF},
      {Cp1251("Поздравляю игрока Игрок 1 с победой!"), 0x00FFFF00},
      {Cp1251("Съешь же ещё этих мягких французских булок, да выпей чаю."), 0x00FFFFFF},
      {Cp1251("THE QUICK BROWN FOX JUMPS OVER 1000 LAZY DOGS № 5"), 0x00FF0000},
      {Cp1251("!@#№$;%^:&?*()-_+=\\}{[]<>.,/~'\"«»–—…"), 0x00FFFF00},
  };
  const int sampleTop = kMargin + gridRows * cellHeight + kMargin;
  TCanvas canvas(kColumns * kCellWidth + 2 * kMargin,
                 sampleTop + static_cast<int>(samples.size()) * (lineHeight + 6) + kMargin, kBaize);
  int i = 0;
  for (const auto& [code, glyph] : font) {
    const int x = kMargin + (i % kColumns) * kCellWidth, y = kMargin + (i / kColumns) * cellHeight;
    const std::string number = std::to_string(code);
    canvas.Text(font, number, x, y, 0x00A8C8B0);
    canvas.Blit(glyph, x, y + lineHeight + 2, false, 0, kZoom);
    ++i;
  }
  int y = sampleTop;
  for (const auto& [text, color] : samples) {
    canvas.Text(font, text, kMargin, y, color);
    y += lineHeight + 6;
  }
  return canvas.Image;
}

TImage BannerSheet(const std::vector<TSheetBanner>& banners, const TGlyphMap& font) {
  constexpr int kGap = 10;
  const int captionHeight = LineHeight(font) + 6;
  int width = kGap, height = 0;
  for (const TSheetBanner& banner : banners) {
    int columnWidth = TextWidth(font, banner.Caption), columnHeight = captionHeight;
    for (const TImage& frame : banner.Frames) {
      columnWidth = std::max(columnWidth, frame.Width);
      columnHeight += frame.Height + kGap / 2;
    }
    width += columnWidth + kGap;
    height = std::max(height, columnHeight);
  }
  TCanvas canvas(width, height + 2 * kGap, 0x00303030);
  int x = kGap;
  for (const TSheetBanner& banner : banners) {
    int y = kGap, columnWidth = TextWidth(font, banner.Caption);
    canvas.Text(font, banner.Caption, x, y, 0x00FFFFFF);
    y += captionHeight;
    for (const TImage& frame : banner.Frames) {
      canvas.Blit(frame, x, y, false, 0);
      y += frame.Height + kGap / 2;
      columnWidth = std::max(columnWidth, frame.Width);
    }
    x += columnWidth + kGap;
  }
  return canvas.Image;
}
