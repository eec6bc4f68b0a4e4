#pragma once

#include <memory>
#include <span>
#include <vector>

#include "game/option_table.h"

// The strong computer's model of the race after a turn: how soon a player finishes from any
// standing, every other player taken to play level 0's ladder.

// A player's standing between turns, as far as the rules tell players apart.
struct TRaceState {
  int Total = 0;
  bool Entered = false;
  int Bolts = 0;
  int BarrelTries = 0;
  int BarrelFalls = 0;
  bool Won = false;
  bool operator==(const TRaceState&) const = default;
};

// What the end of a turn makes of a player: a recorded turn, a scoreless throw, a turn past the
// open barrel's 1000; and a fall from the barrel, `from` the total its penalty is taken off.
TRaceState AfterRecord(const TGameOptions& rules, TRaceState state, int turn);
TRaceState AfterZero(const TGameOptions& rules, TRaceState state);
TRaceState AfterOvershoot(const TGameOptions& rules, TRaceState state);
TRaceState AfterFall(const TGameOptions& rules, TRaceState state, int from);

// For every standing, the chance that a player of the ladder has won within k of its own turns:
// a Markov chain over the standings, each turn's outcomes counted exactly from the ladder's
// choices and the dice odds.
class TRaceModel {
public:
  explicit TRaceModel(const TGameOptions& rules);

  int Horizon() const { return FHorizon; }
  // Element k - 1: the chance to have won within k turns.
  std::span<const float> FinishedWithin(const TRaceState& state) const;
  // The chance that the player's next turn records more than `points`.
  double RecordsMoreThan(const TRaceState& state, int points) const;

private:
  int StateIndex(const TRaceState& state) const;
  TRaceState StateAt(int index) const;
  void Solve();

  TGameOptions FRules;
  int Counters() const { return FOpenTries * FBolts * FFalls; }

  int FTries = 1;      // the score barrel's tries told apart, by position
  int FOpenTries = 1;  // the open barrel's, by counter like bolts and falls
  int FBolts = 1;
  int FFalls = 1;
  int FHorizon = 0;
  std::vector<int> FPositionIndex;       // by entered, tries, total: the position or -1
  std::vector<TRaceState> FPositions;    // total, entered and the score barrel's tries
  std::vector<float> FFinished;          // by state, then turn
  std::vector<float> FRecordsMore;       // by position, then points
  std::vector<float> FAlreadyWon;
};

// The model of these rules, built once and kept while they stay the same.
std::shared_ptr<const TRaceModel> RaceModelFor(const TGameOptions& rules);
