#pragma once

#include <array>

#include "game/option_table.h"

// Level 2 («СИЛЬНЫЙ»): throws on or records, whichever leaves the better chance to win the
// game, by a dynamic programme over the rest of the turn under the exact odds of the dice and
// a race model of the game after it (docs/computer_player.md). It draws nothing.

inline constexpr int StrongMaxOthers = 5;

// What the decision looks at: the player's own state, everybody else's total, the turn.
struct TStrongPosition {
  int Total = 0;  // before the turn is recorded
  bool Entered = false;
  int Bolts = 0;
  int BarrelTries = 0;
  int BarrelFalls = 0;
  std::array<int, StrongMaxOthers> Others{};
  int OtherCount = 0;
  int TurnScore = 0;
  int FreeDice = 5;
  bool AnyKept = false;
  int MinTurn = 0;  // the least recordable turn
  int MaxTurn = 0;  // past it the turn is lost (the open barrel)
  bool operator==(const TStrongPosition&) const = default;
};

// Whether to throw on. The table's own refusals (a turn too small to record, the dump truck,
// the open barrel reached exactly) are the caller's; this weighs only real choices.
bool StrongWantsThrow(const TGameOptions& rules, const TStrongPosition& position);
