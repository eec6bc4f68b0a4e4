#pragma once

#include <optional>

#include "game/option_table.h"

// Where a total stands under the rules, for the table and for the strong computer's planning.

bool InHoleAt(const TGameOptions& rules, int total);
// The score barrel (kind 1) holds every total from its score up.
bool OnScoreBarrelAt(const TGameOptions& rules, int total);
// The least turn a player at `total` may record (0: any).
int MinTurnScoreAt(const TGameOptions& rules, int total, bool entered);
// The total that wins with no barrel (past 1000 under ISMORE1000), else 1000: the barrels' own
// needs are MinTurnScoreAt's and TurnLimitAt's.
int Goal(const TGameOptions& rules);
// The largest turn a player at `total` may make without losing it (the open barrel's 1000);
// none under the other barrels.
std::optional<int> TurnLimitAt(const TGameOptions& rules, int total);
