// The strong computer's race model against the game itself: a turn's end changes a player's
// standing as the table's rules do, and a lone ladder player finishes as often as modelled.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "game/computer_player.h"
#include "game/game_loop.h"
#include "game/strong_player_race.h"
#include "tests/game/game_fixture.h"
#include "tests/game/strong_rule_variants.h"

namespace {

void NoBarrel(TGameOptions& o) { o.BARRELSTYPE = 0; }
constexpr TRules Strict = StrictBolts;

TRaceState Standing(TGame& game, int index) {
  const TPlayer& player = TGameTestAccess::Player(game, index);
  return {.Total = player.Total(),
          .Entered = player.FEntered,
          .Bolts = player.FBolts,
          .BarrelTries = player.FBarrelTries,
          .BarrelFalls = player.FBarrelFalls,
          .Won = game.GameOver()};
}

void Place(TGameFixture& f, const TRaceState& state) {
  f.SetTotal(0, state.Total, state.Entered);
  f.Player(0).FBolts = static_cast<std::uint8_t>(state.Bolts);
  f.Player(0).FBarrelTries = static_cast<std::uint8_t>(state.BarrelTries);
  f.Player(0).FBarrelFalls = static_cast<std::uint8_t>(state.BarrelFalls);
}

enum class TTurnEnd { Record, Zero, Overshoot };

struct TTurnEndCase {
  const char* Name;
  TRules Rules;
  TRaceState From;
  TTurnEnd End;
  int Turn = 0;
};

TEST(StrongPlayerRace, ATurnEndsAsTheTableEndsIt) {
  const TTurnEndCase cases[] = {
      {"a plain record enters", House, {.Total = 0}, TTurnEnd::Record, 60},
      {"onto the dump truck", House, {.Total = 480, .Entered = true}, TTurnEnd::Record, 75},
      {"onto the score barrel, the rest dropped", House, {.Total = 850, .Entered = true}, TTurnEnd::Record, 100},
      {"off the score barrel to the win", House, {.Total = 880, .Entered = true, .BarrelTries = 2}, TTurnEnd::Record, 125},
      {"past 1000 with no barrel", NoBarrel, {.Total = 950, .Entered = true}, TTurnEnd::Record, 55},
      {"exactly 1000 is not enough with no barrel", NoBarrel, {.Total = 950, .Entered = true}, TTurnEnd::Record, 50},
      {"the open barrel's exact 1000", OpenBarrel, {.Total = 900, .Entered = true}, TTurnEnd::Record, 100},
      {"a bolt", House, {.Total = 100, .Entered = true, .Bolts = 1}, TTurnEnd::Zero},
      {"the third bolt's penalty", House, {.Total = 100, .Entered = true, .Bolts = 2}, TTurnEnd::Zero},
      {"the bolt penalty onto the dump truck", House, {.Total = 655, .Entered = true, .Bolts = 2}, TTurnEnd::Zero},
      {"no bolt in a hole", House, {.Total = 250, .Entered = true, .Bolts = 2}, TTurnEnd::Zero},
      {"a bolt in a hole when the rules say so", Strict, {.Total = 250, .Entered = true, .Bolts = 2}, TTurnEnd::Zero},
      {"no bolt before entering", House, {.Total = 0, .Bolts = 2}, TTurnEnd::Zero},
      {"a bolt before entering when the rules say so", Strict, {.Total = 0, .Bolts = 2}, TTurnEnd::Zero},
      {"a miss on the score barrel", House, {.Total = 880, .Entered = true, .BarrelTries = 1}, TTurnEnd::Zero},
      {"the last miss falls", House, {.Total = 880, .Entered = true, .BarrelTries = 3, .BarrelFalls = 1}, TTurnEnd::Zero},
      {"the last fall wipes", House, {.Total = 880, .Entered = true, .BarrelTries = 3, .BarrelFalls = 2}, TTurnEnd::Zero},
      {"the bolt penalty on the barrel falls", Strict,
       {.Total = 880, .Entered = true, .Bolts = 2, .BarrelTries = 1}, TTurnEnd::Zero},
      {"past the open barrel, a try spent", OpenBarrel, {.Total = 900, .Entered = true}, TTurnEnd::Overshoot},
      {"past the open barrel, the last try falls", OpenBarrel,
       {.Total = 900, .Entered = true, .BarrelTries = 2}, TTurnEnd::Overshoot},
  };
  for (const TTurnEndCase& c : cases) {
    SCOPED_TRACE(c.Name);
    TGameFixture f;
    f.Start(2);
    EditRules(f.Game, c.Rules);
    Place(f, c.From);
    TRaceState expected;
    switch (c.End) {
      case TTurnEnd::Record:
        TGameTestAccess::SetTurnScore(f.Game, c.Turn);
        f.Game.RecordTurn();
        expected = AfterRecord(f.Game.Options(), c.From, c.Turn);
        break;
      case TTurnEnd::Zero:
        ASSERT_EQ(f.Throw({2, 3, 4, 6, 6}), TThrowOutcome::Zero);
        expected = AfterZero(f.Game.Options(), c.From);
        break;
      case TTurnEnd::Overshoot:
        TGameTestAccess::SetTurnScore(f.Game, 1000 - c.From.Total);
        ASSERT_EQ(f.Throw({1, 2, 3, 4, 6}), TThrowOutcome::Overshoot);
        expected = AfterOvershoot(f.Game.Options(), c.From);
        break;
    }
    const TRaceState standing = Standing(f.Game, 0);
    // A winner's total is shown as 1000, whatever the model keeps.
    if (expected.Won)
      EXPECT_TRUE(standing.Won);
    else
      EXPECT_EQ(standing, expected);
  }
}

// One lone ladder player at a standing, its turns played through the real loop.
class TLonePlayer {
public:
  TLonePlayer(const TGameOptions& rules, const TRaceState& from, std::uint64_t seed) : FRandom(seed), FScope(FRandom) {
    FGame.SetOptions(rules);
    TPlayer player;
    player.FKind = PlayerKindComputer;
    FGame.AddPlayer(player);
    FGame.StartGame();
    TPlayer& lone = TGameTestAccess::Player(FGame, 0);
    lone.FScore = from.Total;
    lone.FEntered = from.Entered;
    lone.FBolts = static_cast<std::uint8_t>(from.Bolts);
    lone.FBarrelTries = static_cast<std::uint8_t>(from.BarrelTries);
    lone.FBarrelFalls = static_cast<std::uint8_t>(from.BarrelFalls);
    FLoop.ScheduleComputerMove();
  }

  // Plays one turn; returns whether it won the game.
  bool PlayTurn() {
    for (;;) {
      const TStepEvents events = FLoop.TableStep();
      if (events.GameWon) return true;
      if (events.TurnRecorded || (events.Settled && events.Outcome != TThrowOutcome::Scored)) return false;
    }
  }

  int Total() const { return FGame.Players().Player(0).Total(); }

private:
  TSeededRandom FRandom;
  TRandomScope FScope;
  TGame FGame;
  TGameLoop FLoop{FGame, {.ComputerPressDelay = 1, .CutPassDelay = true, .FastForwardDice = true, .SettleDiceAtOnce = true}};
};

// The turn a lone ladder player wins on, or 0 when it has not won within `turns`.
int TurnsToWin(const TGameOptions& rules, const TRaceState& from, int turns, std::uint64_t seed) {
  TLonePlayer player(rules, from, seed);
  for (int turn = 1; turn <= turns; ++turn) {
    if (player.PlayTurn()) return turn;
  }
  return 0;
}

struct TRaceCase {
  const char* Name;
  TRules Rules;
  TRaceState From;
};

TEST(StrongPlayerRace, ALoneLadderPlayerWinsWithinKTurnsAsOftenAsModelled) {
  constexpr int kRuns = 1500;
  constexpr int kLooks[] = {1, 3, 10, 30};
  constexpr int kLongest = 30;
  // Three standard errors of a share of 1500 runs at worst.
  constexpr double kTolerance = 0.04;
  const TRaceCase cases[] = {
      {"house rules from 700", House, {.Total = 700, .Entered = true}},
      {"on the score barrel, one miss left", House, {.Total = 880, .Entered = true, .BarrelTries = 3, .BarrelFalls = 2}},
      {"the open barrel from 900", OpenBarrel, {.Total = 900, .Entered = true, .BarrelTries = 1}},
      {"no barrel from the start", NoBarrel, {}},
      {"strict rules from 500, two bolts", Strict, {.Total = 500, .Entered = true, .Bolts = 2}},
  };
  for (const TRaceCase& c : cases) {
    SCOPED_TRACE(c.Name);
    TGameOptions rules;
    c.Rules(rules);
    const TRaceModel model(rules);
    const std::span<const float> modelled = model.FinishedWithin(c.From);
    std::array<int, kLongest + 1> wonOn{};
    for (int run = 0; run < kRuns; ++run) ++wonOn[TurnsToWin(rules, c.From, kLongest, 100 + run)];
    for (const int k : kLooks) {
      int within = 0;
      for (int turn = 1; turn <= k; ++turn) within += wonOn[turn];
      EXPECT_NEAR(static_cast<double>(within) / kRuns, modelled[k - 1], kTolerance) << "within " << k << " turns";
    }
  }
}

TEST(StrongPlayerRace, ALoneLadderPlayerRecordsAsMuchAsModelled) {
  constexpr int kRuns = 2000;
  constexpr double kTolerance = 0.035;  // three standard errors at worst
  const TRaceState from{.Total = 100, .Entered = true};
  const TGameOptions rules;
  const TRaceModel model(rules);
  std::vector<int> recorded;
  for (int run = 0; run < kRuns; ++run) {
    TLonePlayer player(rules, from, 500 + run);
    player.PlayTurn();
    recorded.push_back(player.Total() - from.Total);
  }
  for (const int points : {0, 40, 95, 150, 300}) {
    SCOPED_TRACE(points);
    const double share = static_cast<double>(std::count_if(recorded.begin(), recorded.end(), [&](int r) { return r > points; })) / kRuns;
    EXPECT_NEAR(share, model.RecordsMoreThan(from, points), kTolerance);
  }
}

TEST(StrongPlayerRace, TheChanceToHaveWonGrowsWithTheTurnsAndWithTheTotal) {
  TGameOptions rules;
  const TRaceModel model(rules);
  const auto at = [&](int total) { return model.FinishedWithin({.Total = total, .Entered = true}); };
  for (const int total : {0, 300, 700, 880}) {
    SCOPED_TRACE(total);
    const std::span<const float> finished = at(total);
    for (std::size_t k = 1; k < finished.size(); ++k) ASSERT_LE(finished[k - 1], finished[k]);
    EXPECT_LE(finished.back(), 1.0F);
  }
  EXPECT_LT(at(100)[40], at(700)[40]);
  EXPECT_GT(at(0).back(), 0.9F) << "the horizon covers most games";
}

}  // namespace
