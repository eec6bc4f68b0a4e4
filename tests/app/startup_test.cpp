#include <gtest/gtest.h>

#include <SDL.h>

#include <algorithm>
#include <string>

#include "base/cp1251.h"
#include "tests/support/container_test_files.h"
#include "dice/die_sprites.h"
#include "game/message_texts.h"
#include "tests/support/scratch_dir.h"
#include "tests/app/window_fixture.h"

namespace {

// Near black: what the translucent floor leaves of the black background.
bool IsDark(std::uint32_t pixel) {
  return ((pixel >> 16) & 0xFF) <= 0x10 && ((pixel >> 8) & 0xFF) <= 0x10 && (pixel & 0xFF) <= 0x10;
}

// Whether some pixel of rows top..bottom-1 shows the blue of a die.
bool DieInRows(const TSurface& sprite, int top, int bottom) {
  for (int y = top; y < bottom; ++y)
    for (int x = 0; x < sprite.Width(); ++x)
      if ((sprite.Pixel(x, y) & 0xFFu) > 0x3C) return true;
  return false;
}

class StartupTest : public TWindowTest {};

TEST_F(StartupTest, CreationLeavesAnEmptyTableWithTheStartMessage) {
  auto form = MakeForm();
  EXPECT_EQ(form->Game->Players().Count(), 0);
  EXPECT_EQ(form->Game->Message(), StartMessage());
  EXPECT_EQ(form->CurrentScreen(), TScreenKind::skTable);
  EXPECT_FALSE(form->MenuVisible);
  EXPECT_EQ(form->Screens->Players.NewPlayerName, Cp1251("Игрок 1"));
  EXPECT_EQ(form->LoadError, 0);
  EXPECT_FALSE(form->TimerEnabled());
}

TEST_F(StartupTest, LoadsTheContainersAndRendersEveryDieSprite) {
  auto form = MakeForm();
  form->FormShow();
  ASSERT_EQ(form->LoadError, 0);
  EXPECT_TRUE(Messages.Texts.empty());
  EXPECT_TRUE(form->TimerEnabled());
  EXPECT_NE(form->Sprites.FindSurface("BACK"), nullptr);
  EXPECT_GE(form->Reklama->Count(), 2);
  EXPECT_GE(form->Letters.GlyphIndex(0, 'A'), 0);

  ASSERT_EQ(form->DieSprites.Count(), 6 * DieSpriteFrames);
  for (int face = 1; face <= 6; ++face) {
    for (int frame = 0; frame < DieSpriteFrames; ++frame) {
      SCOPED_TRACE(DieSpriteName(face, frame));
      const TSurface* sprite = form->DieSprites.FindSurface(DieSpriteName(face, frame));
      ASSERT_NE(sprite, nullptr);
      ASSERT_EQ(sprite->Width(), 66);
      ASSERT_EQ(sprite->Height(), 88);
      EXPECT_GT(sprite->Pixel(33, 44) & 0xFFu, 0x40u) << "the blue die in the centre";
      // The corners show the floor alone, lit only by the faint global ambient light.
      for (const auto& [x, y] : {std::pair{0, 0}, {65, 0}, {0, 87}, {65, 87}}) EXPECT_TRUE(IsDark(sprite->Pixel(x, y)));
      // Upright: the die stands in the middle with its reflection reaching the lower edge,
      // and only floor lies above it.
      EXPECT_FALSE(DieInRows(*sprite, 0, 10));
      EXPECT_TRUE(DieInRows(*sprite, 78, 88));
    }
  }
}

bool SameSprite(const TSurface& a, const TSurface& b) {
  for (int y = 0; y < a.Height(); ++y)
    for (int x = 0; x < a.Width(); ++x)
      if (a.Pixel(x, y) != b.Pixel(x, y)) return false;
  return true;
}

TEST_F(StartupTest, DieSpritesTurnFrameByFrameAndShowSixDifferentFaces) {
  auto form = MakeForm();
  form->FormShow();
  ASSERT_EQ(form->DieSprites.Count(), 270);
  const auto sprite = [&](int face, int frame) { return form->DieSprites.FindSurface(DieSpriteName(face, frame)); };
  for (int face = 1; face <= 6; ++face)
    for (int frame = 0; frame + 1 < DieSpriteFrames; ++frame)
      EXPECT_FALSE(SameSprite(*sprite(face, frame), *sprite(face, frame + 1))) << face << "_" << frame;
  for (int a = 1; a <= 6; ++a)
    for (int b = a + 1; b <= 6; ++b) EXPECT_FALSE(SameSprite(*sprite(a, 0), *sprite(b, 0))) << a << " vs " << b;
}

struct TMissingCase {
  const char* Missing;
  std::uint8_t Error;
  const char* Message;
  friend void PrintTo(const TMissingCase& c, std::ostream* out) { *out << c.Missing; }
};

class MissingContainerTest : public TWindowTest, public ::testing::WithParamInterface<TMissingCase> {};

TEST_P(MissingContainerTest, ReportsItOnceAndTheFirstTickClosesWithoutPainting) {
  const TMissingCase& param = GetParam();
  TScratchDir folder;
  for (const char* name : {"graph.col", "font.col", "rekl.col"})
    if (std::string(name) != param.Missing) CopyRuntimeFiles(folder.Path(), {name});
  auto form = MakeForm(folder.Path().string());
  form->CaptureFrames = true;
  form->FormShow();
  EXPECT_EQ(form->LoadError, param.Error);
  EXPECT_EQ(Messages.Texts, std::vector<std::string>{Cp1251(param.Message)});
  EXPECT_FALSE(form->Closed());
  form->Tick();
  EXPECT_TRUE(form->Closed());
  EXPECT_EQ(form->Paints(), 0);
  form->FormPaint();
  EXPECT_EQ(form->Paints(), 0);
}

INSTANTIATE_TEST_SUITE_P(
    EachContainer, MissingContainerTest,
    ::testing::Values(TMissingCase{"graph.col", 1, "Ошибка загрузки графики!\r\nОтстутствует файл graph.col"},
                      TMissingCase{"font.col", 2, "Ошибка загрузки шрифтов!\r\nОтстутствует файл font.col"},
                      TMissingCase{"rekl.col", 3, "Ошибка загрузки рекламы!\r\nОтстутствует файл rekl.col"}),
    [](const auto& info) {
      std::string name = info.param.Missing;
      std::replace(name.begin(), name.end(), '.', '_');
      return name;
    });

TEST_F(StartupTest, WithoutFontsTheSpritesStayAndNothingLaterIsLoaded) {
  TScratchDir folder;
  CopyRuntimeFiles(folder.Path(), {"graph.col", "rekl.col"});
  auto form = MakeForm(folder.Path().string());
  form->FormShow();
  EXPECT_EQ(form->LoadError, 2);
  EXPECT_NE(form->Sprites.FindSurface("BACK"), nullptr);
  EXPECT_EQ(form->DieSprites.Count(), 0);
  EXPECT_EQ(form->Reklama->Count(), 0);
}

TEST_F(StartupTest, ASingleBannerCountsAsAFailedBannerLoad) {
  TScratchDir folder;
  CopyRuntimeFiles(folder.Path(), {"graph.col", "font.col"});
  folder.Write("rekl.col", FirstBannerOf(std::string(THOUSAND_RUNTIME_DIR) + "/rekl.col"));
  auto form = MakeForm(folder.Path().string());
  form->FormShow();
  EXPECT_EQ(form->LoadError, 3);
  EXPECT_EQ(form->Reklama->Count(), 1);
  EXPECT_EQ(Messages.Texts, std::vector<std::string>{Cp1251("Ошибка загрузки рекламы!\r\nОтстутствует файл rekl.col")});
}

}  // namespace
