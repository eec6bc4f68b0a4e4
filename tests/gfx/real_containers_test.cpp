// The toolkit on the containers the game ships with, built beside the executables.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>

#include "base/cp1251.h"
#include "gfx/graph_collection.h"
#include "gfx/letters.h"
#include "gfx/panels.h"
#include "gfx/sprite_loading.h"
#include "gfx/surface_collection.h"
#include "platform/surface.h"

namespace {

constexpr std::uint32_t kBackground = 0x123456;

std::string RuntimeFile(const char* name) { return std::string(THOUSAND_RUNTIME_DIR) + "/" + name; }

TGraphCollection Load(const char* name) {
  TGraphCollection container;
  container.FileName = RuntimeFile(name);
  EXPECT_TRUE(container.LoadFromFile()) << container.FileName;
  return container;
}

// The containers are built before this test (the test target depends on thousand_assets).
class RealContainers : public testing::Test {
protected:
  void SetUp() override {
    for (const char* name : {"graph.col", "font.col"})
      ASSERT_TRUE(std::filesystem::exists(RuntimeFile(name))) << RuntimeFile(name) << " is not built";
  }
};

TEST_F(RealContainers, GraphColHoldsEverySpriteTheScreensAskFor) {
  TSurfaceSortCollection sprites;
  LoadSprites(Load("graph.col"), sprites);
  const char* names[] = {"BACK",     "BARREL",   "BOLT",    "SCORE",   "STAT",     "SPADE",   "PN_UP",
                         "PAN_L",    "PAN_R",    "MENU2",   "PLAYERS", "OPTIONS",  "CHECKON", "CHECKOFF",
                         "UP1",      "UP2",      "UP3",     "UPM",     "DOWN1",    "DOWN2",   "DOWN3",
                         "DOWNM",    "BT_DO",    "BT1_DO",  "BT2_DO",  "BT_CAN",   "BT1_CAN", "BT2_CAN",
                         "BT_START", "BT1_START", "BT2_START", "BT_MENU", "BT1_MENU", "BT2_MENU", "BT_MASK",
                         "BT_CLOSEM"};
  for (const char* name : names) EXPECT_NE(sprites.FindSurface(name), nullptr) << name;
}

TEST_F(RealContainers, ButtonSpritesLeaveTheirKeyedPixelsOut) {
  TSurfaceSortCollection sprites;
  LoadSprites(Load("graph.col"), sprites);
  const TSurface* button = sprites.FindSurface("BT_DO");
  ASSERT_NE(button, nullptr);
  TSurface target;
  ASSERT_TRUE(target.SetSize(button->Width(), button->Height()));
  target.Fill(kBackground);
  target.Draw(0, 0, *button, true);
  int keyed = 0;
  for (int y = 0; y < button->Height(); ++y)
    for (int x = 0; x < button->Width(); ++x) {
      const bool isKey = button->Pixel(x, y) == button->ColorKey();
      keyed += isKey;
      ASSERT_EQ(target.Pixel(x, y), isKey ? kBackground : button->Pixel(x, y)) << x << "," << y;
    }
  EXPECT_GT(keyed, 0);
}

TEST_F(RealContainers, MessageFitsTheMessagePanelInThreeColours) {
  TSurfaceSortCollection sprites;
  LoadSprites(Load("graph.col"), sprites);
  const TGraphCollection glyphs = Load("font.col");
  TLettersCollection letters;
  for (int font = 0; font < StandardFontCount; ++font) letters.AddFont(glyphs, StandardFontStyle(font, 32), font);
  EXPECT_EQ(letters.Count(), StandardFontCount * glyphs.Count());

  const std::string message = Cp1251("Выпало &1350&0 очков.\r\nВсего &2700&0 очков.\r\nБросайте ещё раз!");
  for (const std::string_view line : TLettersCollection::SplitLines(message))
    for (const int glyph : letters.TextToGlyphs(line)) EXPECT_GE(glyph, 0) << Utf8(line);

  TSurface screen;
  ASSERT_TRUE(screen.SetSize(600, 420));
  screen.Fill(kBackground);
  letters.DrawText(screen, 468, 278, message, TLetterAlign::laCenter, TLetterAlign::laCenter, 3);
  // The panel's two halves, each centred on y 278 and meeting at x 468.
  const TSurface* left = sprites.FindSurface("PAN_L");
  const TSurface* right = sprites.FindSurface("PAN_R");
  ASSERT_TRUE(left && right);
  const int panelLeft = 468 - left->Width(), panelRight = 468 + right->Width();
  const int panelTop = 278 - std::max(left->Height(), right->Height()) / 2;
  const int panelBottom = panelTop + std::max(left->Height(), right->Height());
  bool seen[3] = {};
  for (int y = 0; y < screen.Height(); ++y)
    for (int x = 0; x < screen.Width(); ++x) {
      const std::uint32_t pixel = screen.Pixel(x, y);
      if (pixel == kBackground) continue;
      ASSERT_TRUE(x >= panelLeft && x < panelRight && y >= panelTop && y < panelBottom) << x << "," << y;
      for (int font = 0; font < StandardFontCount; ++font) seen[font] |= pixel == StandardFontStyle(font, 32).Color;
    }
  EXPECT_TRUE(seen[0] && seen[1] && seen[2]);
}

}  // namespace
