#include <gtest/gtest.h>

#include <SDL.h>

#include <filesystem>

#include "ads/reklama.h"
#include "app/loading_window.h"
#include "dice/die_sprites.h"
#include "game/game.h"
#include "game/random.h"
#include "gfx/letters.h"
#include "gfx/surface_collection.h"
#include "platform/clock.h"
#include "tests/app/window_fixture.h"
#include "tests/support/die_sheet.h"
#include "tests/support/scratch_dir.h"

namespace {

class LoadingWindowTest : public TWindowTest {
protected:
  TLoadTargets Targets() { return {Game, Sprites, Letters, DieSprites, Banners, 32}; }

  TGame Game;
  TSurfaceSortCollection Sprites;
  TLettersCollection Letters;
  TSurfaceSortCollection DieSprites;
  TReklama Banners;
  TGlCanvas Canvas;
};

TEST_F(LoadingWindowTest, ShowsTumblingDiceAndRepaintsThemWhileLoading) {
  TSdlClock clock;
  TfmLoading loading(Targets(), THOUSAND_RUNTIME_DIR, clock, Canvas);
  EXPECT_EQ(loading.PreviewPaints(), 1);
  for (const TZarnik& die : Game.RowDice()) {
    EXPECT_TRUE(die.Shown);
    EXPECT_FALSE(die.Kept);
    for (float spin : {die.SpinX, die.SpinY, die.SpinZ}) {
      EXPECT_GE(spin, 2.0f);
      EXPECT_LT(spin, 7.0f);
    }
  }
  EXPECT_TRUE(loading.LoadAll());
  EXPECT_EQ(loading.LoadError, 0);
  EXPECT_GT(loading.PreviewPaints(), 1);
}

TEST_F(LoadingWindowTest, TheDieSpritesAreKeptForTheNextStartAndADamagedCacheIsMadeAgain) {
  TScratchDir cache;
  TFakeClock clock;
  const auto load = [&](TSurfaceSortCollection& sprites) {
    TfmLoading loading({Game, Sprites, Letters, sprites, Banners, 32}, THOUSAND_RUNTIME_DIR, clock, Canvas,
                       cache.File("die_sprites.cache"));
    EXPECT_TRUE(loading.LoadAll());
  };
  TSurfaceSortCollection rendered;
  load(rendered);
  const std::string kept = cache.Read("die_sprites.cache");
  ASSERT_FALSE(kept.empty());

  TSurfaceSortCollection again;
  load(again);
  EXPECT_TRUE(SameDieSheet(again, rendered)) << "the next start shows the kept sprites";
  EXPECT_TRUE(cache.Read("die_sprites.cache") == kept) << "and leaves the file alone";

  // A cut file is rendered anew (each sheet starts its dice at angles of its own) and kept whole.
  cache.Write("die_sprites.cache", kept.substr(0, kept.size() / 3));
  TSurfaceSortCollection remade;
  load(remade);
  EXPECT_EQ(remade.Count(), 6 * DieSpriteFrames);
  EXPECT_EQ(cache.Read("die_sprites.cache").size(), kept.size());
  TSurfaceSortCollection third;
  load(third);
  EXPECT_TRUE(SameDieSheet(third, remade));
}

TEST_F(LoadingWindowTest, TheGeneratorMovesOnAlikeWhetherTheSpritesAreRenderedOrRead) {
  TScratchDir cache;
  TFakeClock clock;
  // The number a seeded generator gives right after a load.
  const auto drawAfterLoad = [&] {
    TSeededRandom random(77);
    TRandomScope scope(random);
    TSurfaceSortCollection sprites;
    TfmLoading loading({Game, Sprites, Letters, sprites, Banners, 32}, THOUSAND_RUNTIME_DIR, clock, Canvas,
                       cache.File("die_sprites.cache"));
    EXPECT_TRUE(loading.LoadAll());
    return Rng().Random(1000000);
  };
  const int rendered = drawAfterLoad();
  ASSERT_TRUE(std::filesystem::exists(cache.File("die_sprites.cache")));
  EXPECT_EQ(drawAfterLoad(), rendered);
}

TEST_F(LoadingWindowTest, ThePreviewPanelIsDrawnOverThePicture) {
  TFakeClock clock;
  TfmLoading loading(Targets(), THOUSAND_RUNTIME_DIR, clock, Canvas);
  const TImage frame = loading.Window().ReadFrame();
  const TRect panel = TfmLoading::PreviewPanel;
  EXPECT_TRUE(AnyLit(frame, 0, panel.Top + panel.Height, TfmLoading::Width, 10)) << "the picture below the panel";
  EXPECT_TRUE(AnyLit(frame, panel.Left + 66, panel.Top, 66, panel.Height)) << "a die in the middle cell";
}

TEST_F(LoadingWindowTest, AKeptSheetStartsWithoutOpenGLAndTurnsItsSpritesInThePreview) {
  TScratchDir cache;
  TFakeClock clock;
  {
    TSurfaceSortCollection sprites;
    TfmLoading loading({Game, Sprites, Letters, sprites, Banners, 32}, THOUSAND_RUNTIME_DIR, clock, Canvas,
                       cache.File("die_sprites.cache"));
    EXPECT_TRUE(loading.LoadAll());
    EXPECT_TRUE(Canvas.Loaded()) << "the first start renders the sheet";
  }
  TGlCanvas unused;
  TSurfaceSortCollection sprites;
  TfmLoading loading({Game, Sprites, Letters, sprites, Banners, 32}, THOUSAND_RUNTIME_DIR, clock, unused,
                     cache.File("die_sprites.cache"));
  const TRect panel = TfmLoading::PreviewPanel;
  const TImage first = loading.Window().ReadFrame();
  EXPECT_TRUE(AnyLit(first, panel.Left + 66, panel.Top, 66, panel.Height)) << "a die in the middle cell";
  EXPECT_TRUE(loading.LoadAll());
  loading.PaintPreview();
  const TImage later = loading.Window().ReadFrame();
  int differing = 0;
  for (int y = panel.Top; y < panel.Top + panel.Height; ++y)
    for (int x = panel.Left; x < panel.Left + panel.Width; ++x) differing += first.Pixel(x, y) != later.Pixel(x, y);
  EXPECT_GT(differing, 0) << "the dice turn";
  EXPECT_FALSE(unused.Loaded()) << "no OpenGL driver loaded";
}

TEST_F(LoadingWindowTest, RefusesToCloseAndKeepsAQuitForLater) {
  TFakeClock clock;
  TfmLoading loading(Targets(), THOUSAND_RUNTIME_DIR, clock, Canvas);
  SDL_Event close{};
  close.type = SDL_WINDOWEVENT;
  close.window.event = SDL_WINDOWEVENT_CLOSE;
  close.window.windowID = loading.Window().Id();
  SDL_PushEvent(&close);
  loading.ProcessMessages();
  EXPECT_EQ(loading.RefusedCloses(), 1);
  EXPECT_FALSE(loading.QuitRequested());

  SDL_Event quit{};
  quit.type = SDL_QUIT;
  SDL_PushEvent(&quit);
  loading.ProcessMessages();
  EXPECT_TRUE(loading.QuitRequested());
  EXPECT_TRUE(loading.LoadAll());
}

}  // namespace
