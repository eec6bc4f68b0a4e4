// Level 2's model of its own later turns: the play that wins in the fewest turns, its turns'
// ends, and the race built from them.
#include <gtest/gtest.h>

#include <numeric>

#include "game/strong_player_own.h"
#include "game/turn_limits.h"
#include "tests/game/strong_rule_variants.h"

namespace {

void Strict(TGameOptions& o) {
  StrictBolts(o);
  o.ENTERSCORE = 75;
}
// Nothing but the dice and the goal: no penalty the counters would carry.
void Plain(TGameOptions& o) {
  o.BARRELSTYPE = 0;
  o.IS_BOLTS = false;
}

struct TOwnCase {
  const char* Name;
  TRules Rules;
  TRaceState From;
};

const TOwnCase kCases[] = {
    {"house rules, not entered", House, {}},
    {"house rules in the first hole", House, {.Total = 240, .Entered = true}},
    {"house rules below the dump truck", House, {.Total = 520, .Entered = true}},
    {"on the score barrel, last try", House, {.Total = 880, .Entered = true, .BarrelTries = 3}},
    {"strict rules from 700", Strict, {.Total = 700, .Entered = true}},
    {"the open barrel from 950", OpenBarrel, {.Total = 950, .Entered = true}},
    {"plain dice from 400", Plain, {.Total = 400, .Entered = true}},
};

double ExpectedTurns(std::span<const float> finishedWithin) {
  double turns = 1;  // the first turn; then one more for every turn still unfinished
  for (const float finished : finishedWithin) turns += 1 - finished;
  return turns;
}

TEST(StrongPlayerOwn, EveryTurnEndsOneWayOrAnother) {
  for (const TOwnCase& c : kCases) {
    SCOPED_TRACE(c.Name);
    TGameOptions rules;
    c.Rules(rules);
    const TTurnEnds ends = TSoonestPlay(rules).TurnEnds(c.From);
    double recorded = 0;
    for (const auto& [turn, chance] : ends.Recorded) {
      EXPECT_GE(turn, MinTurnScoreAt(rules, c.From.Total, c.From.Entered));
      recorded += chance;
    }
    EXPECT_NEAR(recorded + ends.Zero + ends.Overshoot, 1.0, 1e-9);
    if (rules.BARRELSTYPE != 2) {
      EXPECT_EQ(ends.Overshoot, 0);
    }
  }
}

TEST(StrongPlayerOwn, ItsRaceFinishesAsSoonAsItsPlayExpects) {
  // With no penalty carried by bolts or falls, the chain of the play counts the same turns as
  // the play's own solution; everywhere it finishes sooner than the ladder.
  for (const TOwnCase& c : kCases) {
    SCOPED_TRACE(c.Name);
    TGameOptions rules;
    c.Rules(rules);
    const double ownTurns = ExpectedTurns(OwnRaceModelFor(rules)->FinishedWithin(c.From));
    if (c.Rules == Plain) {
      EXPECT_NEAR(ownTurns, TSoonestPlay(rules).TurnsLeft(c.From), 0.01);
    }
    EXPECT_LT(ownTurns, ExpectedTurns(RaceModelFor(rules)->FinishedWithin(c.From)));
  }
}

}  // namespace
