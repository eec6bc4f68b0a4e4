#include <gtest/gtest.h>

#include <vector>

#include "tests/game/game_fixture.h"

namespace {

std::vector<int> RowFaces(const TGame& game) {
  std::vector<int> faces;
  for (const TZarnik& die : game.RowDice()) faces.push_back(die.Face);
  return faces;
}

std::vector<bool> RowKept(const TGame& game) {
  std::vector<bool> kept;
  for (const TZarnik& die : game.RowDice()) kept.push_back(die.Kept);
  return kept;
}

TEST(GameDice, NothingMovesBeforeTheFirstThrow) {
  TGameFixture f;
  f.Game.ResetDice(true);
  EXPECT_EQ(f.Game.ThrowCount(), 0);
  EXPECT_FALSE(f.Game.DiceMoving());
  EXPECT_FALSE(f.Game.TakeLandingEvent());
  f.Game.StepDice();
  EXPECT_FALSE(f.Game.ThrowPending());
  EXPECT_EQ(f.Game.SettleThrow(), 0);
  for (const TZarnik& die : f.Game.RowDice()) {
    EXPECT_TRUE(die.Shown);
    EXPECT_FALSE(die.Kept);
  }
}

TEST(GameDice, AThrowCountSetFromOutsideNeverReachesPastTheDice) {
  for (const int count : {-3, 9}) {
    TGameFixture f;
    f.Game.ResetDice(false);
    f.Game.StartThrowWith({1, 1, 1, 1, 1});
    TGameTestAccess::SetThrowCount(f.Game, count);
    for (int step = 0; step < 300; ++step) {
      f.Game.StepDice();
      f.Game.TakeLandingEvent();
    }
    EXPECT_FALSE(f.Game.DiceMoving());
    EXPECT_EQ(f.Game.SettleThrow(), count < 0 ? 0 : 1000) << count;
  }
}

TEST(GameDice, ThrownDiceStandApartByTheirCount) {
  const std::vector<std::vector<float>> positions = {
      {0}, {-3, 3}, {0, 6, -6}, {-3, 3, -9, 9}, {0, 6, -6, 12, -12}};
  for (int count = 1; count <= 5; ++count) {
    TGameFixture f;
    f.Game.ResetDice(false);
    for (int i = 0; i < 5 - count; ++i) TGameTestAccess::RowDie(f.Game, i).Kept = true;
    f.Game.StartThrow();
    ASSERT_EQ(f.Game.ThrowCount(), count);
    EXPECT_TRUE(f.Game.ThrowPending());
    for (int i = 0; i < count; ++i) {
      EXPECT_EQ(f.Game.ThrowDice()[i].PosX, positions[count - 1][i]) << count << " dice, die " << i;
      EXPECT_LE(f.Game.ThrowDice()[i].PosZ, 0);
      EXPECT_GT(f.Game.ThrowDice()[i].PosZ, -3);
    }
    for (int i = 0; i < 5; ++i) EXPECT_EQ(f.Game.RowDice()[i].Shown, i < 5 - count) << i;
  }
}

TEST(GameDice, DiceLandingOnTheSameStepGiveOneLandingEvent) {
  TGameFixture f;
  f.Game.ResetDice(false);
  f.Game.StartThrow();
  // Make every die touch down on the first step.
  for (int i = 0; i < TGame::DiceCount; ++i) {
    TZarnik& die = TGameTestAccess::ThrowDie(f.Game, i);
    die.Height = 1.6f;
    die.FallSpeed = 0.5f;
  }
  f.Game.StepDice();
  EXPECT_TRUE(f.Game.TakeLandingEvent());
  EXPECT_FALSE(f.Game.TakeLandingEvent());
}

TEST(GameDice, SettlingWaitsForTheDiceAndScoresOnce) {
  TGameFixture f;
  f.Game.ResetDice(false);
  f.Game.StartThrowWith({1, 1, 1, 5, 2});
  f.Game.StepDice();
  EXPECT_EQ(f.Game.SettleThrow(), 0);
  EXPECT_TRUE(f.Game.ThrowPending());
  f.RollToRest();
  EXPECT_EQ(f.Game.SettleThrow(), 105);
  EXPECT_FALSE(f.Game.ThrowPending());
  EXPECT_EQ(f.Game.SettleThrow(), 0);
  EXPECT_EQ(RowFaces(f.Game), (std::vector<int>{1, 1, 1, 5, 2}));
  EXPECT_EQ(RowKept(f.Game), (std::vector<bool>{true, true, true, true, false}));
}

TEST(GameDice, ScoringDiceJoinTheKeptPrefixAndTheRestFollow) {
  struct TCase {
    const char* Name;
    int KeptBefore;
    std::array<int, 5> Faces;
    int Points;
    std::vector<int> Row;  // faces of the slots from KeptBefore on
    std::vector<bool> Kept;
  };
  const TCase cases[] = {
      {"two kept then 1 4 4", 2, {4, 1, 4, 0, 0}, 10, {1, 4, 4}, {true, true, true, false, false}},
      {"scorers move ahead", 0, {2, 5, 3, 1, 6}, 15, {5, 1, 2, 3, 6}, {true, true, false, false, false}},
      {"set of twos", 0, {2, 3, 2, 2, 2}, 100, {2, 2, 2, 2, 3}, {true, true, true, true, false}},
      {"all five score: released", 0, {1, 1, 1, 1, 1}, 1000, {1, 1, 1, 1, 1}, {false, false, false, false, false}},
      {"last three score: released", 2, {3, 3, 3, 0, 0}, 30, {3, 3, 3}, {false, false, false, false, false}},
      {"nothing scores", 0, {2, 3, 4, 6, 6}, 0, {2, 3, 4, 6, 6}, {false, false, false, false, false}},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Name);
    TGameFixture f;
    f.Game.ResetDice(false);
    for (int i = 0; i < c.KeptBefore; ++i) {
      TGameTestAccess::RowDie(f.Game, i).SetPose(5);
      TGameTestAccess::RowDie(f.Game, i).Kept = true;
    }
    f.Game.StartThrowWith(c.Faces);
    f.RollToRest();
    EXPECT_EQ(f.Game.SettleThrow(), c.Points);
    const std::vector<int> faces = RowFaces(f.Game);
    EXPECT_EQ(std::vector<int>(faces.begin() + c.KeptBefore, faces.end()), c.Row);
    EXPECT_EQ(RowKept(f.Game), c.Kept);
    for (const TZarnik& die : f.Game.RowDice()) EXPECT_TRUE(die.Shown);
  }
}

TEST(GameDice, KeptRowDiceTurnAndTheNextThrowStopsThem) {
  TGameFixture f;
  f.Game.ResetDice(false);
  f.Game.StartThrowWith({5, 2, 3, 4, 6});
  f.RollToRest();
  f.Game.SettleThrow();
  const int start = f.Game.RowDice()[0].SpinAngle();
  f.Game.TurnRowDice();
  EXPECT_EQ(f.Game.RowDice()[0].SpinAngle(), (start + 4) % 360);
  const float scorelessAngle = f.Game.RowDice()[1].AngleY;
  f.Game.TurnRowDice();
  EXPECT_EQ(f.Game.RowDice()[1].AngleY, scorelessAngle);
  f.Game.StartThrow();
  EXPECT_EQ(f.Game.ThrowCount(), 4);
  EXPECT_EQ(f.Game.RowDice()[0].SpinY, 0);
}

TEST(GameDice, AReplayedThrowKeepsItsFacesAndRefusesImpossibleOnes) {
  TGameFixture f;
  f.Game.ResetDice(false);
  EXPECT_TRUE(f.Game.StartThrowWith({6, 5, 4, 3, 2}));
  f.RollToRest();
  for (int i = 0; i < 5; ++i) EXPECT_EQ(f.Game.ThrowDice()[i].Face, 6 - i);

  f.Game.ResetDice(false);
  EXPECT_FALSE(f.Game.StartThrowWith({0, 7, 3, -1, 2}));
  f.RollToRest();
  EXPECT_FALSE(f.Game.DiceMoving());
  for (const TZarnik& die : f.Game.ThrowDice()) EXPECT_TRUE(TZarnik::ValidFace(die.Face));
  EXPECT_EQ(f.Game.ThrowDice()[2].Face, 3);
}

}  // namespace
