#pragma once

#include <vector>

// The exact odds of one throw, shared by the strong computer's turn plan and its model of the
// ladder's turns.

// A scoring throw of some dice: its points, the dice left free after it, its chance.
struct TDiceOutcome {
  int Points;
  int FreeAfter;  // 0: every die scored, the row starts afresh with five
  double Chance;

  int NextFree() const { return FreeAfter == 0 ? 5 : FreeAfter; }
  // Whether a die stays set aside after it (not so once all five have scored).
  bool KeepsAny() const { return FreeAfter != 0; }
};

// Every scoring outcome of a throw of `dice` (1..5) dice, counted once over all face
// combinations; by points, the fewest first.
const std::vector<TDiceOutcome>& ThrowOutcomes(int dice);
// The most points any throw scores.
int MostThrowPoints();
// The chance that a throw of `dice` dice scores at all.
double ScoringChance(int dice);
