#pragma once

#include <cstdint>
#include <string>
#include <utility>

#include "game/game.h"

// Puts a game straight into a state of the middle of a turn (a player's counters, the turn
// score, a die set aside, the message panel) that the game's own operations reach only after
// many throws. Tests that can build their state through those operations use them instead.
struct TGameTestAccess {
  static TPlayer& Player(TGame& game, int index) { return game.FPlayers.Player(index); }
  static void SetCurrentIndex(TGame& game, int index) { game.FCurrentPlayer = index; }
  static void SetTurnScore(TGame& game, int score) { game.FTurnScore = score; }
  static void SetThrowCount(TGame& game, int count) { game.FThrowCount = count; }
  static void SetPassDelay(TGame& game, std::uint8_t ticks) { game.FPassDelay = ticks; }
  static void SetMessagePanel(TGame& game, std::string text, int phase) {
    game.FMessage = std::move(text);
    game.FMessagePhase = phase;
  }
  static TZarnik& RowDie(TGame& game, int index) { return game.FRowDice.at(static_cast<std::size_t>(index)); }
  static TZarnik& ThrowDie(TGame& game, int index) { return game.FThrowDice.at(static_cast<std::size_t>(index)); }
  // Empties the list behind the game's back, as no operation does.
  static void ClearPlayerList(TGame& game) { game.FPlayers.Clear(); }
};

// Changes the rules through the game's own SetOptions.
template <class TEdit>
void EditRules(TGame& game, const TEdit& edit) {
  TGameOptions rules = game.Options();
  edit(rules);
  game.SetOptions(rules);
}

template <class TRule, class TValue>
void SetRule(TGame& game, TRule TGameOptions::*rule, TValue value) {
  EditRules(game, [&](TGameOptions& rules) { rules.*rule = static_cast<TRule>(value); });
}
