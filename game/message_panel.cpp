#include "game/game.h"

// The panel's phase: 0 open with the text shown, 10..1 opening, -1..-10 closing, 11 closed.
void TGame::SetMessage(std::string text) {
  FMessage = std::move(text);
  if (FMessagePhase > 10) FMessagePhase = 10;
  if (FMessagePhase == 0) FMessagePhase = -1;
}

void TGame::TickMessagePanel() {
  if (FUnwatched || FMessagePhase == 0 || FMessagePhase > 10) return;
  if (--FMessagePhase < -10) FMessagePhase = FMessage.empty() ? 11 : 10;
}
