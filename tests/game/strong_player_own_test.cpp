// Level 2's model of its own later turns: the play that makes E[discount^T] largest, its
// turns' ends, the race built from them, and the discount the others' pace gives.
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

constexpr int kOthers = 3;

// E[discount^T] of a race, T the turn it is won on.
double Worth(std::span<const float> finishedWithin, double discount) {
  double worth = 0;
  double before = 0;
  double weight = discount;
  for (const float finished : finishedWithin) {
    worth += weight * (finished - before);
    before = finished;
    weight *= discount;
  }
  return worth;
}

TEST(StrongPlayerOwn, EveryTurnEndsOneWayOrAnother) {
  for (const TOwnCase& c : kCases) {
    SCOPED_TRACE(c.Name);
    TGameOptions rules;
    c.Rules(rules);
    const TTurnEnds ends = TRacingPlay(rules, OthersPace(rules, kOthers)).TurnEnds(c.From);
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

TEST(StrongPlayerOwn, ItsRaceIsWorthWhatItsPlayExpectsAndMoreThanTheLadders) {
  // With no penalty carried by bolts or falls, the chain of the play counts the same worth as
  // the play's own solution; everywhere it is worth more than the ladder's race.
  for (const TOwnCase& c : kCases) {
    SCOPED_TRACE(c.Name);
    TGameOptions rules;
    c.Rules(rules);
    const double discount = OthersPace(rules, kOthers);
    const double ownWorth = Worth(OwnRaceModelFor(rules, kOthers)->FinishedWithin(c.From), discount);
    if (c.Rules == Plain) {
      EXPECT_NEAR(ownWorth, TRacingPlay(rules, discount).Value(c.From), 1e-4);
    }
    EXPECT_GT(ownWorth, Worth(RaceModelFor(rules)->FinishedWithin(c.From), discount));
  }
}

TEST(StrongPlayerOwn, TheMoreOthersTheHarderEachTurnIsDiscounted) {
  for (const TRules variant : {House, Strict, OpenBarrel, Plain}) {
    TGameOptions rules;
    variant(rules);
    double previous = 1;
    for (int others = 1; others <= StrongMaxOthers; ++others) {
      const double discount = OthersPace(rules, others);
      EXPECT_GT(discount, 0.9) << others << " others";
      EXPECT_LT(discount, previous) << others << " others";
      previous = discount;
    }
  }
}

}  // namespace
