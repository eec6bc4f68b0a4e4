#pragma once

#include <array>
#include <initializer_list>
#include <string>

#include "base/cp1251.h"
#include "game/game.h"
#include "game/random.h"
#include "tests/game/game_test_access.h"

// A game with players at chosen totals, dice thrown with chosen faces and a fixed generator.
class TGameFixture {
public:
  explicit TGameFixture(std::uint64_t seed = 1) : FRandom(seed), FScope(FRandom) {}

  // Adds players named "Игрок 1".. and starts the game (the first has the turn).
  void Start(int players, std::uint8_t kind = PlayerKindHuman) {
    for (int i = 0; i < players; ++i) {
      TPlayer player;
      player.FName = Cp1251("Игрок ") + std::to_string(i + 1);
      player.FKind = kind;
      Game.AddPlayer(player);
    }
    Game.StartGame();
  }

  TPlayer& Player(int index) { return TGameTestAccess::Player(Game, index); }

  // Sets a total as already shown, the way a loaded game has it.
  void SetTotal(int index, int total, bool entered = true) {
    Player(index).FScore = total;
    Player(index).FScoreDelta = 0;
    Player(index).FEntered = entered;
  }

  // Throws the free dice with the given faces (first for throw die 0), lets them come to
  // rest and hands the throw to the turn rules.
  TThrowOutcome Throw(std::array<int, TGame::DiceCount> faces) {
    Game.StartThrowWith(faces);
    Game.DisableTurnButtons();
    RollToRest();
    return Game.ThrowSettled();
  }

  void RollToRest() {
    for (int step = 0; Game.DiceMoving() && step < 1000; ++step) Game.StepDice();
  }

  // A whole turn worth `points` of faces that score exactly that, then recorded.
  void ThrowAndRecord(std::initializer_list<std::array<int, TGame::DiceCount>> throws) {
    for (const auto& faces : throws) Throw(faces);
    Game.RecordTurn();
  }

  TSeededRandom FRandom;
  TRandomScope FScope;
  TGame Game;
};
