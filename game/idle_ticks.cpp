#include <algorithm>

#include "game/game.h"

int TGame::QuietTicks() const {
  if (!FUnwatched) return 0;
  const auto dice = FThrowDice.begin();
  if (std::any_of(dice, dice + DiceInThrow(), [](const TZarnik& die) { return die.LandingEvent; })) return 0;
  const int passDelay = FPassDelay > 0 ? FPassDelay - 1 : QuietForever;
  return std::min(passDelay, FButtons.QuietTicks());
}

void TGame::SkipQuietTicks(int ticks) {
  AnimateScores(ticks);
  if (FPassDelay > 0) FPassDelay = static_cast<std::uint8_t>(FPassDelay - ticks);
  FButtons.RunDown(ticks);
}
