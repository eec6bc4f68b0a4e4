// Level 2 («СИЛЬНЫЙ») through the game's own ComputerWantsThrow: never a choice that loses on
// the spot where the other does not, no draw from the generator, the others' totals weighed.
#include <gtest/gtest.h>

#include "game/computer_player.h"
#include "tests/game/game_fixture.h"

namespace {

struct TPosition {
  const char* Name;
  void (*Rules)(TGameOptions&);
  int Total;
  int Turn;
  int FreeDice;
  bool Throws;
  int OtherTotal = 0;
  int BarrelTries = 0;
  std::uint8_t Level = ComputerLevelStrong;
};

void ExpectDecision(const TPosition& p) {
  SCOPED_TRACE(p.Name);
  TGameFixture f;
  f.Start(2, PlayerKindComputer);
  EditRules(f.Game, p.Rules);
  f.SetTotal(0, p.Total);
  f.SetTotal(1, p.OtherTotal);
  f.Player(0).FLevel = p.Level;
  f.Player(0).FBarrelTries = static_cast<std::uint8_t>(p.BarrelTries);
  TGameTestAccess::SetTurnScore(f.Game, p.Turn);
  for (int i = 0; i < TGame::DiceCount - p.FreeDice; ++i) TGameTestAccess::RowDie(f.Game, i).Kept = true;
  TScriptedRandom random;
  TRandomScope scope(random);
  EXPECT_EQ(f.Game.ComputerWantsThrow(), p.Throws);
  EXPECT_EQ(random.Draws(), 0) << "the strong level decides without chance";
}

void House(TGameOptions&) {}
void NoBarrel(TGameOptions& o) { o.BARRELSTYPE = 0; }
void OpenBarrel(TGameOptions& o) { o.BARRELSTYPE = 2; }

TEST(StrongPlayer, NeverLosesOnTheSpotWhereTheOtherChoiceDoesNot) {
  const TPosition positions[] = {
      {"recording would land on the dump truck", House, 450, 105, 1, true},
      {"the dump truck, five dice back after a full set", House, 455, 100, 5, true},
      {"recording wins past 1000 with no barrel", NoBarrel, 900, 150, 1, false},
      {"recording wins even with all five dice free", NoBarrel, 900, 150, 4, false},
      {"recording from the score barrel wins", House, 880, 125, 1, false, 0, 1},
      {"the open barrel's exact 1000 records", OpenBarrel, 900, 100, 3, false},
      {"the open barrel's exact 1000, the other close behind", OpenBarrel, 800, 200, 1, false, 995},
  };
  for (const TPosition& p : positions) ExpectDecision(p);
}

TEST(StrongPlayer, TheSamePositionThrowsOnOnlyWhenTheOtherIsAboutToWin) {
  ExpectDecision({"the other far behind", NoBarrel, 100, 150, 4, false, 0});
  ExpectDecision({"the other one throw from winning", NoBarrel, 100, 150, 4, true, 990});
}

TEST(StrongPlayer, LevelsAboveTheStrongOneThrowOnWhereTheLadderLeavesAChoice) {
  ExpectDecision({"level 3", House, 100, 300, 1, true, 0, 0, 3});
}

}  // namespace
