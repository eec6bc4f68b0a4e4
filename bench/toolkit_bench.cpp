// One table-sized frame drawn the way the table screen draws it: an opaque background,
// opaque die sprites, keyed icons, panels and buttons, and three lines of shadowed text.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "base/cp1251.h"
#include "base/image.h"
#include "gfx/button_collection.h"
#include "gfx/letters.h"
#include "gfx/panels.h"
#include "gfx/surface_collection.h"
#include "platform/surface.h"

namespace {

TImage Picture(int width, int height, std::uint32_t seed, bool withHoles) {
  TImage image;
  image.Width = width;
  image.Height = height;
  image.Pixels.resize(static_cast<size_t>(width) * height);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) {
      const bool hole = withHoles && ((x * 7 + y * 3) % 11 == 0 || x < 2 || y < 2);
      image.Pixels[static_cast<size_t>(y) * width + x] = hole ? 0 : (seed * 2654435761u + x * 97 + y * 131) | 0x101010;
    }
  return image;
}

// A glyph of roughly the real font's size: a ring 9 wide and 14 high.
TImage Glyph() {
  TImage image;
  image.Width = 9;
  image.Height = 14;
  image.Pixels.resize(9 * 14, 0);
  for (int y = 0; y < 14; ++y)
    for (int x = 0; x < 9; ++x)
      if (x < 2 || x > 6 || y < 2 || y > 11) image.Pixels[y * 9 + x] = 0xFFFFFF;
  return image;
}

struct TFrame {
  TSurface Screen;
  TSurfaceSortCollection Sprites;
  TSurfaceSortCollection DieSprites;
  TLettersCollection Letters;
  TSefraButtonCollection Buttons;

  TFrame() {
    Screen.SetSize(600, 420);
    Sprites.AddSurface("BACK", Picture(600, 420, 1, false));
    const char* keyed[] = {"STAT", "SCORE", "BOLT", "BARREL", "SPADE", "PN_UP"};
    for (int i = 0; i < 6; ++i) Sprites.AddSurface(keyed[i], Picture(i == 5 ? 240 : 26, 26, 10 + i, true));
    Sprites.AddSurface("PAN_L", Picture(128, 70, 20, true));
    Sprites.AddSurface("PAN_R", Picture(128, 70, 21, true));
    Sprites.AddSurface("BT", Picture(100, 36, 30, true));
    Sprites.AddSurface("BT_MASK", Picture(100, 36, 31, true));
    for (int face = 1; face <= 5; ++face) DieSprites.AddSurface(std::to_string(face), Picture(66, 88, 40 + face, false));
    const TImage glyph = Glyph();
    for (int font = 0; font < StandardFontCount; ++font)
      for (int code = 32; code < 256; ++code)
        Letters.AddGlyph(font, std::to_string(code), glyph, StandardFontStyle(font, 32));
    const int places[][2] = {{392, 318}, {494, 318}, {494, 357}, {494, 389}};
    for (const auto& place : places) {
      auto button = std::make_unique<TSefraDXButton>();
      button->SetImages(&Sprites);
      button->SetLeft(place[0]);
      button->SetTop(place[1]);
      button->SetImageNames("BT|BT|BT");
      button->SetMaskNames("BT_MASK|BT_MASK|BT_MASK");
      Buttons.AddButton("B", std::move(button));
    }
  }

  void DrawSprite(const char* name, int x, int y, bool transparent) {
    if (const TSurface* sprite = Sprites.FindSurface(name)) Screen.Draw(x, y, *sprite, transparent);
  }

  void Draw(const std::string& message) {
    DrawSprite("BACK", 0, 0, false);
    DrawSprite("STAT", 342, 22, true);
    DrawSprite("SCORE", 492, 22, true);
    DrawSprite("BOLT", 524, 22, true);
    DrawSprite("BARREL", 560, 22, true);
    Screen.FillRect({4, 264, 330, 88}, 0);
    Screen.FillRect({4, 4, 330, 88}, 0);
    for (int die = 0; die < 5; ++die)
      Screen.Draw(4 + 66 * die, die < 2 ? 4 : 264, *DieSprites.FindSurface(std::to_string(die + 1)), false);
    DrawSprite("PN_UP", 340, 67 - 13, true);
    for (int row = 0; row < 3; ++row) DrawSprite("SPADE", 342, 67 + 29 * row - 13, true);
    DrawPanels(Screen, Sprites, 468, 278, 0, 10, "PAN_L", "PAN_R");
    Letters.DrawText(Screen, 468, 278, message, TLetterAlign::laCenter, TLetterAlign::laCenter, 3);
    Buttons.Draw(Screen, 0, 0);
  }
};

void BM_TableFrame(benchmark::State& state) {
  TFrame frame;
  const std::string message = Cp1251("Выпало &1350&0 очков.\r\nВсего &2700&0 очков.\r\nБросайте ещё раз!");
  for (auto _ : state) {
    frame.Draw(message);
    benchmark::DoNotOptimize(frame.Screen.Pixel(300, 200));
  }
}
BENCHMARK(BM_TableFrame)->Unit(benchmark::kMicrosecond);

// The parts of the frame, to see where its time goes.
void BM_Background(benchmark::State& state) {
  TFrame frame;
  for (auto _ : state) frame.DrawSprite("BACK", 0, 0, false);
}
BENCHMARK(BM_Background)->Unit(benchmark::kMicrosecond);

void BM_KeyedSprites(benchmark::State& state) {
  TFrame frame;
  for (auto _ : state) {
    frame.DrawSprite("PN_UP", 340, 54, true);
    frame.Buttons.Draw(frame.Screen, 0, 0);
  }
}
BENCHMARK(BM_KeyedSprites)->Unit(benchmark::kMicrosecond);

void BM_Panels(benchmark::State& state) {
  TFrame frame;
  for (auto _ : state) DrawPanels(frame.Screen, frame.Sprites, 468, 278, 0, 10, "PAN_L", "PAN_R");
}
BENCHMARK(BM_Panels)->Unit(benchmark::kMicrosecond);

void BM_ThreeLines(benchmark::State& state) {
  TFrame frame;
  const std::string message = Cp1251("Выпало &1350&0 очков.\r\nВсего &2700&0 очков.\r\nБросайте ещё раз!");
  for (auto _ : state)
    frame.Letters.DrawText(frame.Screen, 468, 278, message, TLetterAlign::laCenter, TLetterAlign::laCenter, 3);
}
BENCHMARK(BM_ThreeLines)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
