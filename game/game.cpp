#include "game/game.h"

TGame::TGame() {
  for (TZarnik& die : ThrowDice) {
    die.LightPosition = {-3, 10, 3, 1};
    die.LightAmbient = {0, 0, 0.2f, 1};
  }
  for (TZarnik& die : RowDice) {
    die.LightPosition = {-1, 4, 1, 1};
    die.LightAmbient = {0.5f, 0.5f, 0.5f, 1};
  }
}
