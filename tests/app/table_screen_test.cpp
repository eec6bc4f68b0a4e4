#include <gtest/gtest.h>

#include "tests/game/game_test_access.h"
#include "tests/app/table_screen_fixture.h"

namespace {

using TableScreen = TTableScreenTest;

TEST_F(TableScreen, AHumansThrowActsOnTheFifthStepAfterThePress) {
  AddPlayer("A", PlayerKindHuman);
  Click("BT_START");
  Steps(4);
  EXPECT_TRUE(Form->Game->GameOver());
  EXPECT_TRUE(Sound.Played.empty());
  Steps(1);
  ASSERT_FALSE(Form->Game->GameOver());
  EXPECT_EQ(Played(2), 1) << "the new game's sound";

  ASSERT_EQ(StateOf("BT_DO"), TWidgetState::wsNormal);
  Click("BT_DO");
  for (int step = 1; step <= 4; ++step) {
    Steps(1);
    EXPECT_FALSE(Form->Game->ThrowPending()) << step;
    EXPECT_EQ(StateOf("BT_DO"), TWidgetState::wsPressed) << step;
  }
  Steps(1);
  EXPECT_TRUE(Form->Game->ThrowPending());
  EXPECT_EQ(StateOf("BT_DO"), TWidgetState::wsDisabled);
  EXPECT_EQ(StateOf("BT_CANCEL"), TWidgetState::wsDisabled);
}

TEST_F(TableScreen, AScorelessThrowSoundsOnceAndPassesTheTurn55StepsLater) {
  AddPlayer("A", PlayerKindHuman);
  AddPlayer("B", PlayerKindHuman);
  Form->Game->StartGame();
  Form->Game->StartThrowWith({2, 3, 4, 6, 2});
  Form->Game->DisableTurnButtons();
  int steps = 0;
  while (Form->Game->ThrowPending() && steps < 500) {
    Steps(1);
    ++steps;
  }
  ASSERT_FALSE(Form->Game->ThrowPending());
  EXPECT_EQ(Played(1), 1);
  EXPECT_GE(Played(0), 1) << "the dice touched down";
  Steps(54);
  EXPECT_EQ(Form->Game->CurrentPlayerIndex(), 0);
  Steps(1);
  EXPECT_EQ(Form->Game->CurrentPlayerIndex(), 1);
  EXPECT_EQ(Played(1), 1);
  EXPECT_EQ(StateOf("BT_DO"), TWidgetState::wsNormal);
}

TEST_F(TableScreen, AComputerPressesOnThe40thStepAfterItsDecisionAndActsOnThe44th) {
  AddPlayer("C", PlayerKindComputer);
  Click("BT_START");
  Steps(5);  // the start acts, the computer decides to throw
  ASSERT_FALSE(Form->Game->GameOver());
  ASSERT_EQ(Form->Loop->AutoPressDelay(), 40);

  // Meanwhile the table's buttons take no press; the banner strip still opens its link.
  Click("BT_MENU");
  ClickBanner();
  EXPECT_EQ(StateOf("BT_MENU"), TWidgetState::wsNormal);
  EXPECT_EQ(Links.Opened.size(), 1u);

  Steps(39);
  EXPECT_EQ(StateOf("BT_DO"), TWidgetState::wsNormal);
  Steps(1);
  EXPECT_EQ(StateOf("BT_DO"), TWidgetState::wsPressed);
  Steps(3);
  EXPECT_FALSE(Form->Game->ThrowPending());
  Steps(1);
  EXPECT_TRUE(Form->Game->ThrowPending());
  EXPECT_EQ(Form->CurrentScreen(), TScreenKind::skTable);
}

TEST_F(TableScreen, TheTurnButtonsIgnoreThePersonDuringAComputersTurn) {
  AddPlayer("C", PlayerKindComputer);
  Form->Game->StartGame();  // no decision scheduled: nothing pending
  ASSERT_EQ(StateOf("BT_DO"), TWidgetState::wsNormal);
  Click("BT_DO");
  EXPECT_EQ(StateOf("BT_DO"), TWidgetState::wsNormal);
  Click("BT_MENU");
  EXPECT_EQ(StateOf("BT_MENU"), TWidgetState::wsPressed);
}

struct TStripCase {
  int X;
  int Y;
  bool Opens;
  std::string Name() const { return "x" + std::to_string(X) + "_y" + std::to_string(Y) + (Opens ? "_opens" : "_outside"); }
  friend void PrintTo(const TStripCase& c, std::ostream* out) { *out << c.Name(); }
};

class BannerStrip : public TTableScreenTest, public ::testing::WithParamInterface<TStripCase> {};

TEST_P(BannerStrip, OpensTheShownBannersLinkWithinItsEdges) {
  const TStripCase c = GetParam();
  Form->DXDrawMouseDown(TMouseButton::mbLeft, c.X, c.Y);
  if (c.Opens) {
    ASSERT_EQ(Links.Opened.size(), 1u);
    EXPECT_EQ(Links.Opened[0], Form->Reklama->LinkOf(Form->Reklama->Index()));
  } else {
    EXPECT_TRUE(Links.Opened.empty());
  }
}

constexpr TRect kStrip = TTableZones::BannerStrip;
constexpr TPlace kStripMiddle = MiddleOf(kStrip);

INSTANTIATE_TEST_SUITE_P(
    Edges, BannerStrip,
    ::testing::Values(TStripCase{kStrip.Left - 1, kStripMiddle.Y, false}, TStripCase{kStrip.Left, kStripMiddle.Y, true},
                      TStripCase{Right(kStrip), kStripMiddle.Y, true}, TStripCase{Right(kStrip) + 1, kStripMiddle.Y, false},
                      TStripCase{kStripMiddle.X, kStrip.Top - 1, false}, TStripCase{kStripMiddle.X, kStrip.Top, true},
                      TStripCase{kStripMiddle.X, Bottom(kStrip), true}, TStripCase{kStripMiddle.X, Bottom(kStrip) + 1, false}),
    [](const auto& info) { return info.param.Name(); });

TEST_F(TableScreen, PressesOffTheTableScreenAreLeftToTheMenu) {
  AddPlayer("A", PlayerKindHuman);
  Form->SetScreen(TScreenKind::skMainMenu);
  ClickBanner();
  Click("BT_START");
  EXPECT_TRUE(Links.Opened.empty());
  EXPECT_EQ(StateOf("BT_START"), TWidgetState::wsNormal);
}

TEST_F(TableScreen, TheMenuButtonOpensTheMainMenuAndTheGameGoesOnUnderIt) {
  AddPlayer("C1", PlayerKindComputer);
  AddPlayer("C2", PlayerKindComputer);
  Click("BT_START");
  Steps(5);
  Click("BT_MENU");  // a computer's press is pending: ignored
  Steps(60);          // the computer threw meanwhile
  ASSERT_TRUE(Form->Game->ThrowPending() || Form->Game->TurnScore() > 0 || Form->Game->PassDelay() > 0);
  EXPECT_EQ(Form->CurrentScreen(), TScreenKind::skTable);

  Form->SetScreen(TScreenKind::skMainMenu);
  const int landings = Played(0);
  int turns = 0;
  int current = Form->Game->CurrentPlayerIndex();
  for (int step = 0; step < 3000 && turns < 3; ++step) {
    Steps(1);
    if (Form->Game->CurrentPlayerIndex() != current) {
      current = Form->Game->CurrentPlayerIndex();
      ++turns;
    }
  }
  EXPECT_EQ(turns, 3) << "the computers kept playing under the menu";
  EXPECT_GT(Played(0), landings);
  EXPECT_EQ(Form->CurrentScreen(), TScreenKind::skMainMenu);
}

TEST_F(TableScreen, TheMenuButtonOfAPersonOpensTheMainMenuOnItsFifthStep) {
  Click("BT_MENU");
  Steps(4);
  EXPECT_EQ(Form->CurrentScreen(), TScreenKind::skTable);
  Steps(1);
  EXPECT_EQ(Form->CurrentScreen(), TScreenKind::skMainMenu);
}

TEST_F(TableScreen, RecordingAWinningTurnSoundsTheWin) {
  AddPlayer("A", PlayerKindHuman);
  AddPlayer("B", PlayerKindHuman);
  TGame& game = *Form->Game;
  SetRule(game, &TGameOptions::BARRELSTYPE, 0);
  game.StartGame();
  TGameTestAccess::Player(game, 0).FScore = 950;
  TGameTestAccess::Player(game, 0).FEntered = true;
  TGameTestAccess::SetTurnScore(game, 60);
  TGameTestAccess::RowDie(game, 0).Kept = true;
  game.UpdateButtons();
  ASSERT_EQ(StateOf("BT_CANCEL"), TWidgetState::wsNormal);
  Click("BT_CANCEL");
  Steps(5);
  EXPECT_TRUE(game.GameOver());
  EXPECT_EQ(Played(3), 1);
  EXPECT_EQ(game.Players().Player(0).Total(), 1000);
}

TEST_F(TableScreen, ThePaintShowsTheTableWithTheBannerCentredOnItsLine) {
  Form->CaptureFrames = true;
  Form->Tick();
  const TImage& frame = Form->LastFrame;
  const TSurface* back = Form->Sprites.FindSurface("BACK");
  ASSERT_NE(back, nullptr);
  // The trays are black, the rest of the left column the table's background.
  EXPECT_TRUE(IsBlack(frame.Pixel(300, 50))) << "no die is kept";
  EXPECT_EQ(frame.Pixel(2, 262), back->Pixel(2, 262));

  const TImage& banner = Form->Reklama->CurrentImage(Clock.Now);
  ASSERT_GT(banner.Height, 0);
  const TRect strip = TTableZones::BannerStrip;
  const int middle = MiddleOf(strip).Y;
  const int top = middle - banner.Height / 2;
  EXPECT_EQ(frame.Pixel(strip.Left, top), banner.Pixel(0, 0));
  EXPECT_EQ(frame.Pixel(strip.Left + banner.Width - 1, top + banner.Height - 1),
            banner.Pixel(banner.Width - 1, banner.Height - 1));
  EXPECT_EQ(frame.Pixel(strip.Left - 1, middle), back->Pixel(strip.Left - 1, middle));

  // The banner's animation moves on with the paints once its frame's time is up.
  const int frameBefore = Form->Reklama->Frame();
  const int indexBefore = Form->Reklama->Index();
  Clock.Now += 10000;
  Form->Tick();
  EXPECT_TRUE(Form->Reklama->Frame() != frameBefore || Form->Reklama->Index() != indexBefore);
}

}  // namespace
