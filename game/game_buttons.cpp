#include "game/game.h"

void TGame::DisableTurnButtons() {
  SetButtonEnabled(FButtons[TTableButtons::Cancel], false);
  SetButtonEnabled(FButtons[TTableButtons::Do], false);
}

void TGame::UpdateButtons() {
  if (FPlayers.Count() == 0) {
    DisableTurnButtons();
    SetButtonEnabled(FButtons[TTableButtons::Start], false);
    return;
  }
  SetButtonEnabled(FButtons[TTableButtons::Start], FGameOver && (!FNetGame || FNetHost));
  if (FGameOver) {
    DisableTurnButtons();
    return;
  }
  const bool mayRecord = FTurnScore != 0 && FTurnScore >= MinTurnScore() &&
                         (!FOptions.NEEDDICEFORALLZARNIKS || AnyKept());
  SetButtonEnabled(FButtons[TTableButtons::Cancel], mayRecord);
  SetButtonEnabled(FButtons[TTableButtons::Do], true);
  const TPlayer* player = CurrentPlayer();
  const bool localHuman = player != nullptr && player->FLocal && !player->PlaysAsComputer();
  if (FTurnScore > MaxTurnScore() || (FNetGame && !localHuman)) DisableTurnButtons();
}
