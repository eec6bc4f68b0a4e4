#pragma once

#include <array>

#include "game/option_table.h"
#include "game/strong_player_race.h"

// Level 2 («СИЛЬНЫЙ»): throws on or records, whichever leaves the better chance to win the
// game, by a dynamic programme over the rest of the turn under the exact odds of the dice and
// a model of the race after it (docs/computer_player.md). It draws nothing.

// What the decision looks at: the player's own standing, everybody else's, the turn.
struct TStrongPosition {
  TRaceState Self;  // before the turn is recorded
  std::array<TRaceState, StrongMaxOthers> Others{};
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

// Builds the models a decision against `others` players needs, so that no decision waits for them.
void PrepareStrongPlayer(const TGameOptions& rules, int others);
