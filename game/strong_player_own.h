#pragma once

#include <memory>
#include <span>
#include <vector>

#include "game/option_table.h"
#include "game/strong_player_race.h"

// Level 2's model of its own later turns. It plays each of them to win in the fewest turns on
// average from where it stands (a shortest path over the standings, the dice odds exact); its
// race is the chain of that play, while the others keep the ladder's.

// How such a turn ends from a standing, for these rules (solved once and kept with the model).
class TSoonestPlay {
public:
  explicit TSoonestPlay(const TGameOptions& rules);

  TTurnEnds TurnEnds(const TRaceState& state) const;
  // The turns expected until the win; 0 once won.
  double TurnsLeft(const TRaceState& state) const;

private:
  struct TTurnPlan;
  TTurnPlan PlanTurn(const TRaceState& state) const;
  TTurnEnds Follow(const TTurnPlan& plan) const;
  std::vector<double> TurnsLeftOfPlay(std::span<const TRaceState> standings) const;
  int Slot(const TRaceState& state) const;

  TGameOptions FRules;
  int FTries = 1;
  std::vector<double> FTurnsLeft;  // by entered, the score barrel's tries, total
};

// The race of a player who plays so, built once per rule set and kept while they stay the same.
std::shared_ptr<const TRaceModel> OwnRaceModelFor(const TGameOptions& rules);
