#pragma once

#include <memory>
#include <span>
#include <vector>

#include "game/option_table.h"
#include "game/strong_player_race.h"

// Level 2's model of its own later turns. It wins only if it is home before the others, so a
// turn it takes is worth less the likelier they are home by then: each of its turns is taken to
// leave the others racing with a fixed chance, the discount, and it plays each turn so as to make
// E[discount^T] largest, T the turns it takes to win (a discounted shortest path over the
// standings, the dice odds exact). Its race is the chain of that play; the others keep the ladder's.

// How such a turn ends from a standing, for these rules (solved once and kept with the model).
class TRacingPlay {
public:
  TRacingPlay(const TGameOptions& rules, double discount);

  const TTurnEnds& TurnEnds(const TRaceState& state) const;
  // E[discount^T] from the standing; 1 once won.
  double Value(const TRaceState& state) const;

private:
  struct TTurnPlan;
  TTurnPlan PlanTurn(const TRaceState& state) const;
  TTurnEnds Follow(const TTurnPlan& plan) const;
  std::vector<double> ValuesOfPlay(std::span<const TRaceState> standings);
  int Slot(const TRaceState& state) const;

  TGameOptions FRules;
  double FDiscount;
  int FTries = 1;
  std::vector<double> FValues;       // by entered, the score barrel's tries, total
  std::vector<TTurnEnds> FTurnEnds;  // likewise
};

// The discount for a race against `others` ladder players from the game's start: the chance per
// turn that none of them is home, taken as fixed, with the same turns expected until the first is.
double OthersPace(const TGameOptions& rules, int others);

// The race of a player who plays so against `others` players, built once per rule set and
// number of others and kept while they stay the same.
std::shared_ptr<const TRaceModel> OwnRaceModelFor(const TGameOptions& rules, int others);
