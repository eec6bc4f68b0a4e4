// Whole games between computer players through the headless loop, tick by tick, with the
// dice animation really stepped and the game's invariants checked on every tick.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>

#include "game/game_loop.h"
#include "game/random.h"
#include "tests/game/game_test_access.h"

namespace {

constexpr int GamesToPlay = 200;
constexpr int TurnCap = 5000;  // far beyond any real game; reaching it fails the test
constexpr long TickCap = 10'000'000;  // a game that stops moving fails too

using TRules = void (*)(TGameOptions&);

const TRules RuleSets[] = {
    [](TGameOptions&) {},
    [](TGameOptions& o) {
      o.BARRELSTYPE = 0;
      o.ISMORE1000 = false;
      o.NEEDDICEFORALLZARNIKS = false;
      o.ISBOLTSBEFOREENTER = true;
    },
    [](TGameOptions& o) {
      o.BARRELSTYPE = 2;
      o.BARRELSATTEMPT = 2;
      o.ISBOLTSINHOLES = true;
      o.OVERTAKINGSCORE = 150;
    },
    [](TGameOptions& o) {
      o.BARRELSSCORE = 950;
      o.BARRELSCOUNT = 2;
      o.ISONLYONEONBARREL = false;
      o.ISBOLTSONBARREL = true;
      o.BOLTSTOGODOWN = 2;
      o.ISHOLE2 = false;
      o.NEEDENTERGAME = false;
      o.DUMPTRUCKSCORE = 100;
    },
    [](TGameOptions& o) {
      o.BARRELSTYPE = 2;
      o.OPENBARRELLIMIT = false;
      o.IS_BOLTS = false;
      o.ENTERSCORE = 200;
    },
};

bool KeptFormAPrefix(const TGame& game) {
  const auto firstFree = std::find_if(game.RowDice().begin(), game.RowDice().end(), [](const TZarnik& d) { return !d.Kept; });
  return std::none_of(firstFree, game.RowDice().end(), [](const TZarnik& d) { return d.Kept; });
}

using TTotals = std::array<int, 6>;

TTotals Totals(const TGame& game) {
  TTotals totals{};
  for (int i = 0; i < game.Players().Count(); ++i) totals[i] = game.Players().Player(i).Total();
  return totals;
}

TEST(ComputerGames, TwoHundredGamesRunToOneWinnerWithTheInvariantsHeld) {
  for (int number = 0; number < GamesToPlay; ++number) {
    const int players = 2 + number % 5;
    const int rules = number % static_cast<int>(std::size(RuleSets));
    SCOPED_TRACE(testing::Message() << "game " << number << ", " << players << " players, rules " << rules);
    TSeededRandom random(1000 + number);
    TRandomScope scope(random);
    TGame game;
    EditRules(game, RuleSets[rules]);
    for (int i = 0; i < players; ++i) {
      TPlayer player;
      player.FName = "C" + std::to_string(i + 1);
      player.FKind = PlayerKindComputer;
      game.AddPlayer(player);
    }
    game.UpdateButtons();
    TGameLoop loop(game, {.ComputerPressDelay = 1, .CutPassDelay = true});
    ASSERT_TRUE(loop.PressButton(TTableButtons::Start));

    bool started = false;
    bool won = false;
    int turns = 0;
    long ticks = 0;
    TTotals totalsAtThrow{};
    while (!won && turns < TurnCap && ++ticks < TickCap) {
      const bool rolling = game.ThrowPending();
      const TStepEvents events = loop.TableStep();
      started = started || events.GameStarted;
      ASSERT_TRUE(KeptFormAPrefix(game));
      if (rolling && !events.Settled) {
        ASSERT_EQ(Totals(game), totalsAtThrow) << "a total changed while the dice rolled";
      }
      if (!rolling && game.ThrowPending()) totalsAtThrow = Totals(game);
      if (events.TurnRecorded || (events.Settled && events.Outcome != TThrowOutcome::Scored)) ++turns;
      won = events.GameWon;
      ASSERT_EQ(game.GameOver(), started && won ? true : !started) << "the game ended without a winner";
    }
    ASSERT_TRUE(won) << "no winner after " << turns << " turns";
    const TPlayer& winner = game.Players().Player(game.CurrentPlayerIndex());
    EXPECT_EQ(winner.FScore, 1000);
    EXPECT_EQ(winner.FScoreDelta, 0);
    for (int i = 0; i < players; ++i) {
      if (i == game.CurrentPlayerIndex()) continue;
      const int total = game.Players().Player(i).Total();
      const bool couldAlsoBeAt1000 = game.Options().BARRELSTYPE == 0 && game.Options().ISMORE1000;
      if (!couldAlsoBeAt1000) {
        EXPECT_LT(total, 1000) << "player " << i;
      }
    }
  }
}

}  // namespace
