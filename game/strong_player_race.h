#pragma once

#include <functional>
#include <map>
#include <memory>
#include <span>
#include <vector>

#include "game/option_table.h"

// The strong computer's model of the race after a turn: how soon a player finishes from any
// standing, every other player taken to play level 0's ladder.

// Totals the model tells apart; one further down is taken as the lowest, a player that far
// below zero is out of the race anyway.
inline constexpr int RaceLowestTotal = -500;
inline constexpr int RaceHighestTotal = 1000;
inline constexpr int RaceScoreStep = 5;  // every throw scores a multiple of it
inline constexpr int RaceTotals = (RaceHighestTotal - RaceLowestTotal) / RaceScoreStep + 1;

// The most other players a race is run against.
inline constexpr int StrongMaxOthers = 5;

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

// How one turn ends from a standing: each turn recorded with its chance, a scoreless throw, a
// throw past the open barrel's 1000.
struct TTurnEnds {
  std::map<int, double> Recorded;
  double Zero = 0;
  double Overshoot = 0;
};
// The turns of a way of playing, by standing; bolts, falls and the open barrel's tries left out.
using TTurnEndsOf = std::function<TTurnEnds(const TRaceState&)>;

// For every standing, the chance that a player has won within k of its own turns: a Markov
// chain over the standings, each turn's outcomes counted exactly from the player's choices and
// the dice odds. By default the player plays the ladder.
class TRaceModel {
public:
  explicit TRaceModel(const TGameOptions& rules);
  TRaceModel(const TGameOptions& rules, const TTurnEndsOf& turnEnds);

  int Horizon() const { return FHorizon; }
  // Element k - 1: the chance to have won within k turns.
  std::span<const float> FinishedWithin(const TRaceState& state) const;
  // The chance that the player's next turn records more than `points`.
  double RecordsMoreThan(const TRaceState& state, int points) const;

private:
  int StateIndex(const TRaceState& state) const;
  TRaceState StateAt(int index) const;
  void Solve(const TTurnEndsOf& turnEnds);

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

// A turn of level 0's ladder from a standing.
TTurnEnds LadderTurnEnds(const TGameOptions& rules, const TRaceState& state);

// The ladder's model of these rules, built once and kept while they stay the same.
std::shared_ptr<const TRaceModel> RaceModelFor(const TGameOptions& rules);
