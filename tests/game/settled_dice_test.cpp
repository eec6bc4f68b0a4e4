// A throw settled at once must play the same game as one stepped to rest, and so must a game
// nobody watches (no panel texts, no turning row dice): the same draws in the same order, so
// every throw, score and animated score matches and the generator ends where it would.
#include <gtest/gtest.h>

#include <array>
#include <vector>

#include "game/game_loop.h"
#include "game/random.h"
#include "tests/game/game_test_access.h"

namespace {

constexpr long TickCap = 2'000'000;

struct TThrowRecord {
  int Player = 0;
  TThrowOutcome Outcome = TThrowOutcome::Scored;
  int TurnScore = 0;
  std::array<int, TGame::DiceCount> Faces{};
  std::array<int, 6> Scores{};  // shown score (FScore) per seat: the animation kept in pace
  std::array<int, 6> Totals{};
  bool operator==(const TThrowRecord&) const = default;
};

struct TPlayedGame {
  std::vector<TThrowRecord> Throws;
  double NextDraw = 0;  // where the generator stood after the game
};

enum class TWay { Stepped, AtOnce, AtOnceUnwatched };

TPlayedGame Play(std::uint64_t seed, int players, int level, TWay way) {
  TSeededRandom random(seed);
  TRandomScope scope(random);
  TGame game;
  game.SetUnwatched(way == TWay::AtOnceUnwatched);
  EditRules(game, [&](TGameOptions& o) {
    o.BARRELSTYPE = static_cast<int>(seed % 3);
    o.ISHOLE2 = seed % 2 == 0;
  });
  for (int i = 0; i < players; ++i) {
    TPlayer player;
    player.FName = "C" + std::to_string(i + 1);
    player.FKind = PlayerKindComputer;
    player.FLevel = static_cast<std::uint8_t>(i == 0 ? level : 0);
    game.AddPlayer(player);
  }
  game.UpdateButtons();
  TGameLoop loop(game, {.ComputerPressDelay = 1, .CutPassDelay = true, .FastForwardDice = true, .SettleDiceAtOnce = way != TWay::Stepped});
  loop.PressButton(TTableButtons::Start);
  TPlayedGame played;
  bool won = false;
  for (long tick = 0; !won && tick < TickCap; ++tick) {
    const TStepEvents events = loop.TableStep();
    won = events.GameWon;
    if (!events.Settled) continue;
    TThrowRecord record{.Player = game.CurrentPlayerIndex(), .Outcome = events.Outcome, .TurnScore = game.TurnScore()};
    for (int i = 0; i < TGame::DiceCount; ++i) record.Faces[i] = game.RowDice()[i].Face;
    for (int i = 0; i < players; ++i) {
      record.Scores[i] = game.Players().Player(i).FScore;
      record.Totals[i] = game.Players().Player(i).Total();
    }
    played.Throws.push_back(record);
  }
  EXPECT_TRUE(won) << "seed " << seed;
  played.NextDraw = random.RandomReal();
  return played;
}

TEST(SettledDice, SeededGamesPlayTheSameThrowByThrowSteppedSettledAtOnceOrUnwatched) {
  for (std::uint64_t seed = 1; seed <= 30; ++seed) {
    const int players = 2 + static_cast<int>(seed % 5);
    const int level = static_cast<int>(seed % 3);
    SCOPED_TRACE(testing::Message() << "seed " << seed << ", " << players << " players, level " << level);
    const TPlayedGame stepped = Play(seed, players, level, TWay::Stepped);
    for (const TWay way : {TWay::AtOnce, TWay::AtOnceUnwatched}) {
      SCOPED_TRACE(way == TWay::AtOnce ? "at once" : "at once, unwatched");
      const TPlayedGame fast = Play(seed, players, level, way);
      ASSERT_EQ(stepped.Throws.size(), fast.Throws.size());
      for (std::size_t i = 0; i < stepped.Throws.size(); ++i) ASSERT_EQ(stepped.Throws[i], fast.Throws[i]) << "throw " << i;
      EXPECT_EQ(stepped.NextDraw, fast.NextDraw);
    }
  }
}

}  // namespace
