#pragma once

#include <cstdint>
#include <optional>

#include "game/option_table.h"

// The computer player decides through TGame::ComputerWantsThrow (computer_player.cpp): a fixed
// ladder of rules, no look-ahead, at most one random draw. Level 0 climbs the whole ladder,
// level 2 («СИЛЬНЫЙ») weighs its chance to win instead (strong_player.h), any other level
// throws on wherever the ladder leaves a choice.
inline constexpr std::uint8_t ComputerLevelNormal = 0;
inline constexpr std::uint8_t ComputerLevelRisky = 1;
inline constexpr std::uint8_t ComputerLevelStrong = 2;

// The ladder's numbers:

// With one to three dice free a level-0 computer throws again when a draw in [0, 1) falls
// below Chance and the turn score is at most MaxTurn; with four it throws up to 125 without
// drawing, with five always.
struct TComputerOdds {
  int FreeDice;
  double Chance;
  int MaxTurn;
};
inline constexpr TComputerOdds ComputerOdds[] = {{1, 0.25, 40}, {2, 0.4, 70}, {3, 0.7, 100}};
inline constexpr int ComputerMaxTurnWithFourDice = 125;
// Above this the computer records whatever the dice (unless a rule forbids it).
inline constexpr int ComputerAlwaysRecordAbove = 150;
// Recording into the lowest this many points of a hole is avoided.
inline constexpr int ComputerHoleMargin = 25;

// A moment of choice in a turn, as the ladder sees it.
struct TTurnSituation {
  int Total = 0;  // the player's total before the turn
  int Turn = 0;
  int FreeDice = 5;
  bool AnyKept = false;
  int MinTurn = 0;  // the least recordable turn
  int MaxTurn = 0;  // past it the turn is lost (the open barrel)
};

// The refusals every level shares: true or false where the table leaves no real choice.
std::optional<bool> ForcedChoice(const TGameOptions& rules, const TTurnSituation& situation);

// Level 0's ladder past those refusals: the chance it throws on, and whether it draws a number
// for it (a draw is made even where the chance is 0, so the generator moves on alike).
struct TLadderChoice {
  double ThrowChance;
  bool Draws;
};
TLadderChoice LadderChoice(const TGameOptions& rules, const TTurnSituation& situation);
