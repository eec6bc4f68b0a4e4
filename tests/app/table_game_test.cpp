// A whole game on the real window, headless: two computer players and one person whose
// clicks this test makes, played to a winner through the window's own tick.
#include <gtest/gtest.h>

#include "base/cp1251.h"
#include "game/random.h"
#include "game/table_view.h"
#include "tests/app/table_screen_fixture.h"

namespace {

class TableGame : public TTableScreenTest {
protected:
  // The window seeds the program's generator from the clock; a fixed one makes the game the
  // same on every run.
  TSeededRandom Random{20261210};
  TRandomScope RandomScope{Random};

  // One step of the timer; the clock moves with it. Only the frames the test reads are painted:
  // the software renderer would spend the whole run painting frames nobody looks at.
  void Step() {
    Clock.Now += TfmMain::TickMs;
    Form->DXTimerTimer();
  }
  bool PersonMayAct() const {
    const TGame& game = *Form->Game;
    const TPlayer* player = game.CurrentPlayer();
    return !game.GameOver() && player && player->FKind == PlayerKindHuman && !game.DiceMoving() &&
           !game.ThrowPending() && game.PassDelay() == 0 && StateOf("BT_DO") == TWidgetState::wsNormal &&
           game.MessagePhase() == 0;  // the person reads the message first
  }
};

TEST_F(TableGame, TwoComputersAndAPersonPlayToAWinnerOnTheWindow) {
  AddPlayer(Cp1251("Робот А"), PlayerKindComputer);
  AddPlayer(Cp1251("Вы"), PlayerKindHuman);
  AddPlayer(Cp1251("Робот Б"), PlayerKindComputer);
  Form->CaptureFrames = true;
  Click("BT_START");

  int personThrows = 0;
  for (int tick = 0; tick < 200000 && !(Form->Game->GameOver() && tick > 5); ++tick) {
    if (PersonMayAct()) {
      const TGame& game = *Form->Game;
      const bool record = StateOf("BT_CANCEL") == TWidgetState::wsNormal &&
                          (game.TurnScore() >= 150 || game.FreeDiceCount() <= 2);
      Click(record ? "BT_CANCEL" : "BT_DO");
      if (!record) ++personThrows;
    }
    Step();
  }
  TGame& game = *Form->Game;
  ASSERT_TRUE(game.GameOver());
  const TPlayer* winner = game.CurrentPlayer();
  ASSERT_NE(winner, nullptr);
  EXPECT_GT(personThrows, 0);
  EXPECT_EQ(Played(2), 1);
  EXPECT_EQ(Played(3), 1);
  EXPECT_GE(Played(1), 1);

  // Let the scores finish counting, then read the score table off the composed frame.
  for (int tick = 0; tick < 400; ++tick) Step();
  Form->Tick();
  EXPECT_EQ(winner->FScore, 1000);
  TSurface expected;
  expected.SetSize(TfmMain::ClientWidth, TfmMain::ClientHeight);
  TTableView(game, {Form->Sprites, Form->DieSprites, Form->Letters, Form->TableButtons.Show(game.Buttons())})
      .Draw(expected, expected.FullRect());
  const TImage& frame = Form->LastFrame;
  int differing = 0;
  for (int y = 50; y < 67 + 29 * 3; ++y)
    for (int x = 340; x < 600; ++x)
      if (frame.Pixel(x, y) != expected.Pixel(x, y)) ++differing;
  EXPECT_EQ(differing, 0);
  // The winner's row carries "STAT" in its status column.
  const TSurface* stat = Form->Sprites.FindSurface("STAT");
  ASSERT_NE(stat, nullptr);
  const int middle = 67 + 29 * game.CurrentPlayerIndex();
  int statPixels = 0;
  for (int y = 0; y < stat->Height(); ++y)
    for (int x = 0; x < stat->Width(); ++x)
      if (stat->Pixel(x, y) != stat->ColorKey() && frame.Pixel(342 + x, middle - stat->Height() / 2 + y) == stat->Pixel(x, y))
        ++statPixels;
  EXPECT_GT(statPixels, 0);
}

}  // namespace
