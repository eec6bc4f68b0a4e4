#pragma once

// The computer player decides through TGame::ComputerWantsThrow (computer_player.cpp): a fixed
// ladder of rules, no look-ahead, at most one random draw.

// Below this turn score a level-0 computer may throw again, by the dice free for the next
// throw (index 1..3); with four free dice it needs no draw.
struct TComputerOdds {
  double Chance;  // throw again when the draw is below this
  int MaxTurn;    // and the turn score is at most this
};
inline constexpr TComputerOdds ComputerOddsByFreeDice[4] = {{0, 0}, {0.25, 40}, {0.4, 70}, {0.7, 100}};
inline constexpr int ComputerMaxTurnWithFourDice = 125;
inline constexpr int ComputerAlwaysRecordAbove = 150;
inline constexpr int ComputerHoleMargin = 25;
