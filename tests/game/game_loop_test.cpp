#include <gtest/gtest.h>

#include <vector>

#include "game/game_loop.h"
#include "tests/game/game_fixture.h"

namespace {

class GameLoop : public ::testing::Test {
protected:
  void AddPlayers(std::initializer_list<std::uint8_t> kinds) {
    for (const std::uint8_t kind : kinds) {
      TPlayer player;
      player.FName = "P" + std::to_string(F.Game.Players().Count() + 1);
      player.FKind = kind;
      F.Game.AddPlayer(player);
    }
    F.Game.UpdateButtons();
  }

  // Steps until `done` holds; returns the number of steps taken (capped).
  template <typename TDone>
  int StepUntil(TDone done, int cap = 2000) {
    int steps = 0;
    while (!done() && steps < cap) {
      Events.push_back(Loop.TableStep());
      ++steps;
    }
    return steps;
  }

  TGameFixture F;
  TGameLoop Loop{F.Game};
  std::vector<TStepEvents> Events;
};

TEST_F(GameLoop, AClickActsInTheFifthStepAfterThePress) {
  AddPlayers({PlayerKindHuman, PlayerKindHuman});
  ASSERT_TRUE(Loop.PressButton(TTableButtons::Start));
  EXPECT_EQ(StepUntil([&] { return !F.Game.GameOver(); }), ButtonPressTicks);
  EXPECT_TRUE(Events.back().GameStarted);
  ASSERT_TRUE(Loop.PressButton(TTableButtons::Do));
  EXPECT_FALSE(Loop.PressButton(TTableButtons::Do));  // already pressed
  EXPECT_EQ(StepUntil([&] { return F.Game.ThrowPending(); }), ButtonPressTicks);
  EXPECT_EQ(F.Game.Buttons()[TTableButtons::Do].State(), TButtonState::Disabled);
  EXPECT_FALSE(Loop.PressButton(TTableButtons::Cancel));  // disabled while rolling
}

TEST_F(GameLoop, AScorelessThrowSoundsOnceAndPassesTheTurnAfterThePause) {
  AddPlayers({PlayerKindHuman, PlayerKindHuman});
  F.Game.StartGame();
  F.Game.StartThrowWith({2, 3, 4, 6, 6});
  const int rolling = StepUntil([&] { return !F.Game.DiceMoving(); });
  EXPECT_GT(rolling, 30);
  int landingSteps = 0;
  for (const TStepEvents& e : Events) landingSteps += e.Landing ? 1 : 0;
  EXPECT_GE(landingSteps, 1);
  EXPECT_LE(landingSteps, 5);
  Events.clear();
  const int passing = StepUntil([&] { return F.Game.CurrentPlayerIndex() == 1; });
  int zeros = 0;
  for (const TStepEvents& e : Events) zeros += e.Settled && e.Outcome == TThrowOutcome::Zero ? 1 : 0;
  EXPECT_EQ(zeros, 1);
  EXPECT_EQ(passing, 1 + TGame::PassDelayTicks);
  EXPECT_TRUE(Events.back().TurnPassed);
}

TEST_F(GameLoop, TheComputerPressesInTheFortiethStepAndActsInTheFortyFourth) {
  AddPlayers({PlayerKindComputer, PlayerKindHuman});
  ASSERT_TRUE(Loop.PressButton(TTableButtons::Start));
  StepUntil([&] { return !F.Game.GameOver(); });
  EXPECT_EQ(Loop.AutoPressDelay(), 40);
  EXPECT_EQ(Loop.AutoPressButton(), TGameLoop::AutoPressThrow);
  // While the computer's press is pending every press is ignored.
  EXPECT_FALSE(Loop.PressButton(TTableButtons::Menu));
  int steps = StepUntil([&] { return F.Game.Buttons()[TTableButtons::Do].State() == TButtonState::Pressed; });
  EXPECT_EQ(steps, 40);
  steps += StepUntil([&] { return F.Game.ThrowPending(); });
  EXPECT_EQ(steps, 44);
  // During a computer's turn the turn buttons refuse a person's press; the menu does not.
  StepUntil([&] { return !F.Game.ThrowPending(); });
  if (Loop.AutoPressDelay() == 0 && F.Game.CurrentPlayerIndex() == 0) {
    EXPECT_FALSE(Loop.PressButton(TTableButtons::Do));
  }
  StepUntil([&] { return Loop.AutoPressDelay() == 0; });
  if (F.Game.CurrentPlayerIndex() == 0) {
    EXPECT_FALSE(Loop.PressButton(TTableButtons::Do));
    EXPECT_TRUE(Loop.PressButton(TTableButtons::Menu));
    StepUntil([&] { return !Events.empty() && Events.back().MenuRequested; }, ButtonPressTicks);
    EXPECT_TRUE(Events.back().MenuRequested);
  }
}

TEST_F(GameLoop, AnUnwatchedGameSkipsTheComputersWaitPressAndRollUpToTheTicksThatAct) {
  AddPlayers({PlayerKindComputer, PlayerKindHuman});
  TGameLoop loop(F.Game, {.FastForwardDice = true, .SettleDiceAtOnce = true});
  ASSERT_TRUE(loop.PressButton(TTableButtons::Start));
  while (F.Game.GameOver()) loop.TableStep();
  EXPECT_EQ(loop.SkipIdleTicks(), 0);  // a watched game's panel and row dice move every tick
  F.Game.SetUnwatched(true);
  // 39 ticks of waiting, the press in the 40th, three of its look: the click acts in the 44th.
  EXPECT_EQ(loop.SkipIdleTicks(), 43);
  EXPECT_EQ(F.Game.Buttons()[TTableButtons::Do].State(), TButtonState::Pressed);
  loop.TableStep();
  ASSERT_TRUE(F.Game.DiceMoving());
  EXPECT_EQ(loop.SkipIdleTicks(), 1);  // the roll, settled at once
  EXPECT_FALSE(F.Game.DiceMoving());
  EXPECT_EQ(loop.SkipIdleTicks(), 0);  // the throw is scored in the next tick
  const TStepEvents events = loop.TableStep();
  EXPECT_TRUE(events.Landing);
  EXPECT_TRUE(events.Settled);
}

TEST_F(GameLoop, ASteppedRollIsNeverSkipped) {
  AddPlayers({PlayerKindHuman, PlayerKindHuman});
  F.Game.SetUnwatched(true);
  F.Game.StartGame();
  F.Game.StartThrowWith({1, 1, 5, 2, 3});
  EXPECT_EQ(Loop.SkipIdleTicks(), 0);
}

TEST_F(GameLoop, AnUnwatchedGameSkipsThePauseBeforeTheTurnPassesButNeverAPersonsTurn) {
  AddPlayers({PlayerKindHuman, PlayerKindHuman});
  F.Game.SetUnwatched(true);
  F.Game.StartGame();
  EXPECT_EQ(Loop.SkipIdleTicks(), 0);
  F.Game.StartThrowWith({2, 3, 4, 6, 6});
  StepUntil([&] { return !F.Game.ThrowPending(); });
  EXPECT_EQ(Loop.SkipIdleTicks(), TGame::PassDelayTicks - 1);
  EXPECT_TRUE(Loop.TableStep().TurnPassed);
  EXPECT_EQ(F.Game.CurrentPlayerIndex(), 1);
  EXPECT_EQ(Loop.SkipIdleTicks(), 0);
}

TEST_F(GameLoop, NothingIsPressedForAGameThatEndedDuringTheWait) {
  AddPlayers({PlayerKindComputer});
  F.Game.StartGame();
  Loop.ScheduleComputerMove();
  F.Game.FinishGame();
  StepUntil([&] { return Loop.AutoPressDelay() == 0; });
  StepUntil([] { return false; }, 10);
  EXPECT_FALSE(F.Game.ThrowPending());
  EXPECT_NE(F.Game.Buttons()[TTableButtons::Do].State(), TButtonState::Pressed);
}

TEST_F(GameLoop, APressDecidedForAComputerIsNeverMadeForAPerson) {
  AddPlayers({PlayerKindComputer, PlayerKindHuman});
  F.Game.StartGame();
  Loop.ScheduleComputerMove();
  F.Game.SetCurrentPlayer(1);  // as loading a game where the person has the turn
  StepUntil([&] { return Loop.AutoPressDelay() == 0; });
  StepUntil([] { return false; }, 10);
  EXPECT_FALSE(F.Game.ThrowPending());
  EXPECT_EQ(F.Game.Buttons()[TTableButtons::Do].State(), TButtonState::Normal);
}

TEST_F(GameLoop, FinishRollingCompletesThePauseAndTheThrowAtOnce) {
  AddPlayers({PlayerKindHuman, PlayerKindHuman});
  F.Game.StartGame();
  F.Game.StartThrowWith({2, 3, 4, 6, 6});
  TStepEvents events;
  Loop.FinishRolling(events);
  EXPECT_FALSE(F.Game.DiceMoving());
  EXPECT_TRUE(events.Settled);
  EXPECT_EQ(F.Game.PassDelay(), TGame::PassDelayTicks);
  Loop.FinishRolling(events);
  EXPECT_EQ(F.Game.CurrentPlayerIndex(), 1);
  EXPECT_EQ(F.Game.PassDelay(), 0);
}

TEST_F(GameLoop, DeletingEveryPlayerWhileTheDiceRollEndsTheGameCleanly) {
  AddPlayers({PlayerKindComputer, PlayerKindComputer});
  F.Game.StartGame();
  Loop.ScheduleComputerMove();
  StepUntil([&] { return F.Game.DiceMoving(); });
  F.Game.DeletePlayer(1);
  F.Game.DeletePlayer(0);
  StepUntil([] { return false; }, 200);
  EXPECT_TRUE(F.Game.GameOver());
  EXPECT_FALSE(F.Game.ThrowPending());
  EXPECT_EQ(F.Game.CurrentPlayerIndex(), -1);
}

}  // namespace
