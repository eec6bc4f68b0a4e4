#include <gtest/gtest.h>

#include <optional>

#include "tests/game/game_fixture.h"

namespace {

struct TSituation {
  const char* Name;
  int Total;
  int Turn;
  int FreeDice;
  std::optional<double> Draw;  // the number drawn, when the ladder draws one
  bool Throws;
  bool Entered = true;
  std::uint8_t Level = 0;
};

// Sets up the situation with a scripted generator and asks the computer once.
void ExpectDecision(const TSituation& s, void (*rules)(TGameOptions&) = nullptr) {
  SCOPED_TRACE(s.Name);
  TGameFixture f;
  f.Start(2, PlayerKindComputer);
  if (rules) EditRules(f.Game, rules);
  f.SetTotal(0, s.Total, s.Entered);
  f.Player(0).FLevel = s.Level;
  TGameTestAccess::SetTurnScore(f.Game, s.Turn);
  for (int i = 0; i < TGame::DiceCount - s.FreeDice; ++i) TGameTestAccess::RowDie(f.Game, i).Kept = true;
  TScriptedRandom random;
  if (s.Draw) random.PushReal(*s.Draw);
  TRandomScope scope(random);
  EXPECT_EQ(f.Game.ComputerWantsThrow(), s.Throws);
  EXPECT_EQ(random.Draws(), s.Draw ? 1 : 0);
}

TEST(ComputerPlayer, FollowsTheLadderWithAFixedDraw) {
  const TSituation situations[] = {
      {"turn start", 100, 0, 5, std::nullopt, true},
      {"below the entry score", 0, 45, 2, std::nullopt, true, false},
      {"one die, lucky draw", 100, 40, 1, 0.2, true},
      {"one die, unlucky draw", 100, 40, 1, 0.25, false},
      {"one die, too much to risk", 100, 45, 1, 0.0, false},
      {"two dice, lucky", 100, 70, 2, 0.39, true},
      {"two dice, unlucky", 100, 70, 2, 0.4, false},
      {"two dice, too much", 100, 75, 2, 0.0, false},
      {"three dice, lucky", 300, 100, 3, 0.69, true},
      {"three dice, too much", 300, 105, 3, 0.1, false},
      {"four dice up to 125", 100, 125, 4, std::nullopt, true},
      {"four dice above 125", 100, 130, 4, std::nullopt, false},
      {"dump truck ahead", 450, 105, 1, std::nullopt, true},
      {"lowest 25 of the first hole", 100, 105, 2, std::nullopt, true},
      {"just above the hole's bottom", 100, 130, 2, 0.0, false},
      {"lowest 25 of the second hole", 560, 60, 1, std::nullopt, true},
      {"more than 150 records before the holes", 50, 160, 3, std::nullopt, false},
      {"a higher level always throws", 100, 300, 1, std::nullopt, true, true, 1},
      {"below the barrel's need", 880, 100, 1, std::nullopt, true},
  };
  for (const TSituation& s : situations) ExpectDecision(s);
}

TEST(ComputerPlayer, ReachingTheOpenBarrelExactlyRecordsEvenAtAHigherLevel) {
  ExpectDecision({"open barrel reached", 900, 100, 1, std::nullopt, false, true, 1},
                 [](TGameOptions& o) { o.BARRELSTYPE = 2; });
}

TEST(ComputerPlayer, ThrowsAgainWhileNoDieIsSetAsideUnderTheAllDiceRule) {
  ExpectDecision({"all five scored", 100, 200, 5, std::nullopt, true});
  ExpectDecision({"all five scored, rule off", 100, 200, 5, std::nullopt, false},
                 [](TGameOptions& o) { o.NEEDDICEFORALLZARNIKS = false; });
}

}  // namespace
