#include "game/game.h"

TGame::TGame() {
  for (TZarnik& die : FThrowDice) {
    die.LightPosition = {-3, 10, 3, 1};
    die.LightAmbient = {0, 0, 0.2f, 1};
  }
  for (TZarnik& die : FRowDice) {
    die.LightPosition = {-1, 4, 1, 1};
    die.LightAmbient = {0.5f, 0.5f, 0.5f, 1};
  }
}
