#include "gfx/table_button_widgets.h"

#include <gtest/gtest.h>

#include "game/game.h"
#include "gfx/button_collection.h"
#include "gfx/surface_collection.h"
#include "platform/surface.h"
#include "tests/toolkit/fixtures.h"

namespace {

using enum TWidgetState;

class TableButtonsTest : public testing::Test {
protected:
  void SetUp() override {
    FSprites.AddSurface("BT_MASK", fixtures::Filled(90, 30, 1));
    for (const char* name : {"BT_DO", "BT1_DO", "BT2_DO", "BT2_START"})
      FSprites.AddSurface(name, fixtures::Filled(90, 30, 0x0000FF + static_cast<std::uint32_t>(name[2])));
    CreateTableButtons(FGame.FButtons, FWidgets, &FSprites);
  }

  TSefraDXButton& Widget(const char* name) { return *FWidgets.FindButton(name); }

  TSurfaceSortCollection FSprites;
  TGame FGame;
  TSefraButtonCollection FWidgets;
};

TEST_F(TableButtonsTest, CreatesTheFourButtonsInPlace) {
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
  ASSERT_EQ(FWidgets.Count(), 4);
  for (int i = 0; i < 4; ++i) {
    const TCase& c = cases[i];
    EXPECT_EQ(FWidgets.GetName(i), c.Name);
    const TSefraDXButton& button = *FWidgets.GetButton(i);
    EXPECT_EQ(button.Left(), c.Left);
    EXPECT_EQ(button.Top(), c.Top);
    EXPECT_EQ(button.GetImageName(wsNormal), c.Normal);
    EXPECT_EQ(button.GetImageName(wsDisabled), c.Disabled);
    EXPECT_EQ(button.GetMaskName(wsPressed), "BT_MASK");
    EXPECT_EQ(button.State(), c.State) << c.Name;
    EXPECT_EQ(FGame.FButtons.Find(c.Name)->State(), static_cast<TButtonState>(c.State));
  }
}

TEST_F(TableButtonsTest, TheRulesDriveTheDrawnButtons) {
  TPlayer player;
  player.FName = "A";
  FGame.AddPlayer(player);
  FGame.StartGame();
  FGame.UpdateButtons();
  EXPECT_EQ(Widget("BT_DO").State(), wsNormal);
  EXPECT_EQ(Widget("BT_START").State(), wsDisabled);

  TSurface screen;
  ASSERT_TRUE(screen.SetSize(600, 420));
  FWidgets.Draw(screen, 0, 0);
  EXPECT_EQ(screen.Pixel(392, 318), 0x0000FFu + '_');
  EXPECT_EQ(screen.Pixel(494, 357), 0x0000FFu + '2');

  // A press found through the drawn buttons runs its course through the game's buttons.
  const int hit = FWidgets.MouseDown(400, 320, 0, 0);
  ASSERT_EQ(FWidgets.GetName(hit), "BT_DO");
  PressTableButton(FGame.FButtons[TTableButtons::Do]);
  EXPECT_EQ(Widget("BT_DO").State(), wsPressed);
  for (int tick = 1; tick < ButtonPressTicks; ++tick) EXPECT_FALSE(FGame.FButtons.Tick());
  EXPECT_TRUE(FGame.FButtons.Tick());
  EXPECT_TRUE(FGame.FButtons[TTableButtons::Do].Clicked());
  EXPECT_FALSE(FGame.FButtons[TTableButtons::Do].Clicked());
}

TEST_F(TableButtonsTest, CreatingAgainStartsFresh) {
  PressTableButton(FGame.FButtons[TTableButtons::Start]);
  CreateTableButtons(FGame.FButtons, FWidgets, &FSprites);
  EXPECT_EQ(FWidgets.Count(), 4);
  EXPECT_EQ(Widget("BT_START").State(), wsNormal);
  EXPECT_FALSE(FGame.FButtons.Tick());
  EXPECT_FALSE(FGame.FButtons[TTableButtons::Start].Clicked());
}

}  // namespace
