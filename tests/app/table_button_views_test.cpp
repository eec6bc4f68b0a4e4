#include "app/table_button_views.h"

#include <gtest/gtest.h>

#include "game/game.h"
#include "gfx/surface_collection.h"
#include "platform/surface.h"
#include "tests/gfx/fixtures.h"

namespace {

using enum TWidgetState;

class TableButtonViewsTest : public testing::Test {
protected:
  void SetUp() override {
    FSprites.AddSurface("BT_MASK", fixtures::Filled(90, 30, 1));
    for (const char* name : {"BT_DO", "BT1_DO", "BT2_DO", "BT2_START"})
      FSprites.AddSurface(name, fixtures::Filled(90, 30, 0x0000FF + static_cast<std::uint32_t>(name[2])));
  }

  TSurfaceSortCollection FSprites;
  TGame FGame;
  TTableButtonViews FViews{&FSprites};
};

TEST_F(TableButtonViewsTest, ShowsTheFourButtonsInPlaceInTheGamesLooks) {
  struct TCase {
    const char* Name;
    int Left, Top;
    const char* Normal;
    const char* Disabled;
    TWidgetState State;
  };
  const TCase cases[] = {
      {"BT_DO", 392, 318, "BT_DO", "BT2_DO", wsDisabled},
      {"BT_CANCEL", 494, 318, "BT_CAN", "BT2_CAN", wsDisabled},
      {"BT_START", 494, 357, "BT_START", "BT2_START", wsNormal},
      {"BT_MENU", 494, 389, "BT_MENU", "BT2_MENU", wsNormal},
  };
  const TSefraButtonCollection& shown = FViews.Show(FGame.Buttons());
  ASSERT_EQ(shown.Count(), 4);
  for (int i = 0; i < 4; ++i) {
    const TCase& c = cases[i];
    EXPECT_EQ(shown.GetName(i), c.Name);
    const TSefraDXButton& button = *shown.GetButton(i);
    EXPECT_EQ(FViews.FindButton(c.Name), &button);
    EXPECT_EQ(button.Left(), c.Left);
    EXPECT_EQ(button.Top(), c.Top);
    EXPECT_EQ(button.GetImageName(wsNormal), c.Normal);
    EXPECT_EQ(button.GetImageName(wsDisabled), c.Disabled);
    EXPECT_EQ(button.GetMaskName(wsPressed), "BT_MASK");
    EXPECT_EQ(button.State(), c.State) << c.Name;
  }
}

TEST_F(TableButtonViewsTest, TheRulesDriveWhatIsDrawnAndWhatTakesAPress) {
  EXPECT_EQ(FViews.ButtonAt(FGame.Buttons(), 400, 320), std::nullopt);  // the throw button is disabled
  TPlayer player;
  player.FName = "A";
  FGame.AddPlayer(player);
  FGame.StartGame();
  FGame.UpdateButtons();

  TSurface screen;
  ASSERT_TRUE(screen.SetSize(600, 420));
  FViews.Show(FGame.Buttons()).Draw(screen, 0, 0);
  EXPECT_EQ(screen.Pixel(392, 318), 0x0000FFu + '_');
  EXPECT_EQ(screen.Pixel(494, 357), 0x0000FFu + '2');

  ASSERT_EQ(FViews.ButtonAt(FGame.Buttons(), 400, 320), TTableButtons::Do);
  FGame.PressButton(TTableButtons::Do);
  EXPECT_EQ(FViews.Show(FGame.Buttons()).FindButton("BT_DO")->State(), wsPressed);
  // A pressed button takes no second press; its look runs down in the game alone.
  EXPECT_EQ(FViews.ButtonAt(FGame.Buttons(), 400, 320), std::nullopt);
  for (int tick = 1; tick < ButtonPressTicks; ++tick) EXPECT_FALSE(FGame.TickButtons());
  EXPECT_TRUE(FGame.TickButtons());
  EXPECT_TRUE(FGame.TakeClick(TTableButtons::Do));
  EXPECT_EQ(FViews.Show(FGame.Buttons()).FindButton("BT_DO")->State(), wsNormal);
}

}  // namespace
