#pragma once

#include <array>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "game/options.h"

// The rules lab: whole games between computer players, played through TGame and the headless
// loop, and what happened in them. A throw settles at once unless the run asks for the dice
// stepped; both make the same draws in the same order, so a seed plays the same games.

inline constexpr int SimulationMinPlayers = 2;
inline constexpr int SimulationMaxPlayers = 6;
// A game still running after this many turns is given up (no real game comes near it).
inline constexpr int SimulationTurnCap = 20000;

struct TSimulationSettings {
  int Games = 1000;
  int Players = 4;
  TGameOptions Rules;
  std::uint64_t Seed = 1;
  // One computer level per seat; seats past the list's end play level 0.
  std::vector<int> Levels;
  // Every game shifts the levels one seat on, so that the first move's edge is shared.
  bool Rotate = false;
  // Steps every die's motion as the table does instead of settling each throw at once.
  bool Stepped = false;
};

struct TSimulationReport {
  int Games = 0;
  int Players = 0;
  std::vector<int> TurnsPerGame;
  std::vector<int> WinsBySeat;  // one entry per seat
  std::map<int, int> WinsByLevel;  // every level that played, with its wins
  long BoltPenalties = 0;
  long BarrelFalls = 0;
  long ScoreWipes = 0;
  long DumpTrucks = 0;
  long Overtakes = 0;
  std::array<long, 5> ThrowsByDice{};  // index n - 1: throws of n dice
  std::array<long, 5> ZeroThrowsByDice{};
  double Seconds = 0;  // processor time of the games
};

// Plays the games under a generator seeded with settings.Seed. Players outside 2..6 are
// brought into that range; fewer than one game plays none.
TSimulationReport Simulate(const TSimulationSettings& settings);

// The report as "key: value" lines, or as one JSON object.
std::string FormatSimulationReport(const TSimulationReport& report, bool json);
