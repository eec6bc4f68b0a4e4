// A throw settled at once must play the same game as one stepped to rest, and so must a game
// nobody watches (no panel texts, no turning row dice) and one whose idle ticks run at once
// (the rules lab's way): the same draws in the same order, so every throw, counter and animated
// score matches on the same tick and the generator ends where it would.
#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "game/game_loop.h"
#include "game/random.h"
#include "game/turn_limits.h"
#include "tests/support/sanitized_build.h"

namespace {

constexpr long TickCap = 20'000'000;
// Every step costs many times more under the sanitizers: fewer games there, enough still to
// meet every rule the test asks for.
constexpr std::uint64_t SeedCount = SanitizedBuild ? 24 : 120;

struct TSeatRecord {
  int Score = 0;  // shown (FScore): a barrel's fall reads it, so the animation must keep pace
  int Total = 0;
  int Bolts = 0;
  int BarrelTries = 0;
  int BarrelFalls = 0;
  bool Entered = false;
  bool operator==(const TSeatRecord&) const = default;
};

struct TThrowRecord {
  long Tick = 0;
  int Player = 0;
  TThrowOutcome Outcome = TThrowOutcome::Scored;
  int TurnScore = 0;
  std::array<int, TGame::DiceCount> Faces{};
  std::array<TSeatRecord, TPlayers::MaxPlayers> Seats{};
  bool operator==(const TThrowRecord&) const = default;
};

struct TPlayedGame {
  std::vector<TThrowRecord> Throws;
  TRuleTally Tally;
  int HoleThrows = 0;  // throws by a player whose total stood in a hole
  double NextDraw = 0;  // where the generator stood after the game
};

enum class TWay { Stepped, AtOnce, AtOnceUnwatched, IdleSkipped };

struct TSetup {
  int Players = 2;
  std::array<int, TPlayers::MaxPlayers> Levels{};
  // The table's own waits (the computer's 40 ticks, the 55-tick pause) instead of the lab's.
  bool TableWaits = false;
};

TGameOptions RuleSet(const std::string& name) {
  TGame loader;
  EXPECT_TRUE(loader.LoadOptions(std::string(THOUSAND_RULE_SETS_DIR) + "/" + name)) << name;
  return loader.Options();
}

TLoopPacing Pacing(const TSetup& setup, TWay way) {
  TLoopPacing pacing{.FastForwardDice = true, .SettleDiceAtOnce = way != TWay::Stepped};
  if (!setup.TableWaits) {
    pacing.ComputerPressDelay = 1;
    pacing.CutPassDelay = true;
  }
  return pacing;
}

TThrowRecord Record(const TGame& game, long tick, TThrowOutcome outcome) {
  TThrowRecord record{.Tick = tick, .Player = game.CurrentPlayerIndex(), .Outcome = outcome, .TurnScore = game.TurnScore()};
  for (int i = 0; i < TGame::DiceCount; ++i) record.Faces[i] = game.RowDice()[i].Face;
  for (int i = 0; i < game.Players().Count(); ++i) {
    const TPlayer& player = game.Players().Player(i);
    record.Seats[i] = {player.FScore, player.Total(), player.FBolts, player.FBarrelTries, player.FBarrelFalls, player.FEntered};
  }
  return record;
}

TPlayedGame Play(std::uint64_t seed, const TSetup& setup, const TGameOptions& rules, TWay way) {
  TSeededRandom random(seed);
  TRandomScope scope(random);
  TGame game;
  game.SetUnwatched(way == TWay::AtOnceUnwatched || way == TWay::IdleSkipped);
  game.SetOptions(rules);
  for (int i = 0; i < setup.Players; ++i) {
    TPlayer player;
    player.FName = "C" + std::to_string(i + 1);
    player.FKind = PlayerKindComputer;
    player.FLevel = static_cast<std::uint8_t>(setup.Levels[i]);
    game.AddPlayer(player);
  }
  game.UpdateButtons();
  TGameLoop loop(game, Pacing(setup, way));
  loop.PressButton(TTableButtons::Start);
  TPlayedGame played;
  bool won = false;
  for (long tick = 0; !won && tick < TickCap; ++tick) {
    if (way == TWay::IdleSkipped) tick += loop.SkipIdleTicks();
    const TPlayer* thrower = game.CurrentPlayer();
    const bool inHole = thrower != nullptr && InHoleAt(rules, thrower->Total());
    const TStepEvents events = loop.TableStep();
    won = events.GameWon;
    if (!events.Settled) continue;
    played.Throws.push_back(Record(game, tick, events.Outcome));
    played.HoleThrows += inHole ? 1 : 0;
  }
  EXPECT_TRUE(won) << "seed " << seed;
  played.Tally = game.Tally();
  played.NextDraw = random.RandomReal();
  return played;
}

const char* WayName(TWay way) {
  switch (way) {
    case TWay::Stepped: return "stepped";
    case TWay::AtOnce: return "at once";
    case TWay::AtOnceUnwatched: return "at once, unwatched";
    case TWay::IdleSkipped: return "at once, unwatched, idle ticks skipped";
  }
  return "";
}

// What the stepped games met, so that a rule no game reached cannot pass unseen.
struct TRulesMet {
  TRuleTally Tally;
  std::array<int, 3> BarrelFallsByKind{};  // by BARRELSTYPE
  int HoleThrows = 0;
  std::array<int, 3> ThrowsByLevel{};

  void Add(const TPlayedGame& game, const TGameOptions& rules, const TSetup& setup) {
    Tally.BoltPenalties += game.Tally.BoltPenalties;
    Tally.BarrelFalls += game.Tally.BarrelFalls;
    Tally.ScoreWipes += game.Tally.ScoreWipes;
    Tally.DumpTrucks += game.Tally.DumpTrucks;
    Tally.Overtakes += game.Tally.Overtakes;
    BarrelFallsByKind[rules.BARRELSTYPE] += game.Tally.BarrelFalls;
    HoleThrows += game.HoleThrows;
    for (const TThrowRecord& record : game.Throws) ++ThrowsByLevel[setup.Levels[record.Player]];
  }
};

TEST(SettledDice, SeededGamesPlayTheSameThrowByThrowEveryWay) {
  // The open barrel's games are short and reach a fall least often, so they come twice.
  const std::string ruleSetNames[] = {"classic.st", "strict.st", "open_barrel.st", "open_barrel.st"};
  TRulesMet met;
  for (std::uint64_t seed = 1; seed <= SeedCount; ++seed) {
    const std::string& ruleSetName = ruleSetNames[seed % 4];
    const TGameOptions rules = RuleSet(ruleSetName);
    TSetup setup{.Players = 2 + static_cast<int>(seed % 5), .TableWaits = seed % 5 == 0};
    for (int seat = 0; seat < setup.Players; ++seat) setup.Levels[seat] = static_cast<int>((seed / 3 + seat) % 3);
    SCOPED_TRACE(testing::Message() << "seed " << seed << ", " << ruleSetName << ", " << setup.Players << " players"
                                    << (setup.TableWaits ? ", the table's waits" : ""));
    const TPlayedGame stepped = Play(seed, setup, rules, TWay::Stepped);
    met.Add(stepped, rules, setup);
    for (const TWay way : {TWay::AtOnce, TWay::AtOnceUnwatched, TWay::IdleSkipped}) {
      SCOPED_TRACE(WayName(way));
      const TPlayedGame other = Play(seed, setup, rules, way);
      ASSERT_EQ(stepped.Throws.size(), other.Throws.size());
      for (std::size_t i = 0; i < stepped.Throws.size(); ++i) ASSERT_EQ(stepped.Throws[i], other.Throws[i]) << "throw " << i;
      EXPECT_EQ(stepped.NextDraw, other.NextDraw);
    }
  }
  EXPECT_GT(met.Tally.BoltPenalties, 0);
  EXPECT_GT(met.Tally.ScoreWipes, 0);
  EXPECT_GT(met.Tally.DumpTrucks, 0);
  EXPECT_GT(met.Tally.Overtakes, 0);
  EXPECT_GT(met.BarrelFallsByKind[1], 0);
  EXPECT_GT(met.BarrelFallsByKind[2], 0);
  EXPECT_GT(met.HoleThrows, 0);
  for (const int throws : met.ThrowsByLevel) EXPECT_GT(throws, 0);
}

}  // namespace
