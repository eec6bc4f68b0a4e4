#include "game/game.h"
#include "game/message_texts.h"

namespace {

void SetTotal(TPlayer& player, int total) { player.FScoreDelta = total - player.FScore; }

}  // namespace

void TGame::ApplyDumpTruck(TPlayer& player) {
  if (player.Total() != FOptions.DUMPTRUCKSCORE) return;
  SetTotal(player, 0);
  ++FTally.DumpTrucks;
}

void TGame::Win(TPlayer& player) {
  player.FScore = 1000;
  player.FScoreDelta = 0;
  FinishGame();
}

void TGame::RecordTurn() {
  TPlayer* player = CurrentPlayer();
  // A press that ran out after the game ended records nothing.
  if (FGameOver || player == nullptr) {
    if (!FGameOver) FinishGame();
    return;
  }
  const int turn = FTurnScore;
  const int before = player->Total();

  for (int i = 0; i < FPlayers.Count(); ++i) {
    if (i == FCurrentPlayer) continue;
    TPlayer& other = FPlayers.Player(i);
    const int total = other.Total();
    if (before < total && total < before + turn && !OnScoreBarrel(total)) {
      other.FScoreDelta -= FOptions.OVERTAKINGSCORE;
      ++FTally.Overtakes;
      ApplyDumpTruck(other);
    }
  }

  player->FScoreDelta += turn;
  player->FEntered = true;
  ApplyDumpTruck(*player);

  if (OnScoreBarrel(player->Total())) {
    if (player->FBarrelTries > 0) {
      Win(*player);
      return;
    }
    SetTotal(*player, FOptions.BARRELSSCORE);
    if (FOptions.ISONLYONEONBARREL) {
      for (int i = 0; i < FPlayers.Count(); ++i) {
        if (i != FCurrentPlayer && FPlayers.Player(i).Total() >= FOptions.BARRELSSCORE) BarrelMiss(i, false, true);
      }
    }
    BarrelMiss(FCurrentPlayer, true, false);
    return;
  }

  const int total = player->Total();
  const bool wins = (FOptions.BARRELSTYPE == 0 && (FOptions.ISMORE1000 ? total > 1000 : total >= 1000)) ||
                    (FOptions.BARRELSTYPE == 2 && total == 1000);
  if (wins) Win(*player);
}

void TGame::LoseTurn() {
  TPlayer* player = CurrentPlayer();
  if (player == nullptr) return;
  if (FOptions.IS_BOLTS) {
    const int total = player->Total();
    bool due = player->FEntered || FOptions.ISBOLTSBEFOREENTER;
    if (!FOptions.ISBOLTSINHOLES && InHole(total)) due = false;
    if (OnScoreBarrel(total) && !FOptions.ISBOLTSONBARREL) due = false;
    if (due) ++player->FBolts;
    if (player->FBolts >= FOptions.BOLTSTOGODOWN) {
      player->FBolts -= FOptions.BOLTSTOGODOWN;
      player->FScoreDelta -= FOptions.BOLTSDOWNSCORE;
      ++FTally.BoltPenalties;
      ApplyDumpTruck(*player);
      if (player->FBarrelTries > 0 && FOptions.BARRELSTYPE == 1) BarrelMiss(FCurrentPlayer, false, true);
    }
  }
  if (OnScoreBarrel(player->Total())) BarrelMiss(FCurrentPlayer, true, false);
}

void TGame::BarrelMiss(int index, bool countTry, bool fall) {
  if (index < 0 || index >= FPlayers.Count()) return;
  TPlayer& player = FPlayers.Player(index);
  if (FOptions.BARRELSTYPE == 1) {
    if (countTry && ++player.FBarrelTries > FOptions.BARRELSATTEMPT) fall = true;
    if (!fall) return;
    ++player.FBarrelFalls;
    player.FBarrelTries = 0;
  } else if (FOptions.BARRELSTYPE == 2 && FOptions.OPENBARRELLIMIT) {
    if (++player.FBarrelTries < FOptions.BARRELSATTEMPT) return;
    player.FBarrelTries = 0;
    ++player.FBarrelFalls;
  } else {
    return;
  }
  ++FTally.BarrelFalls;
  // Both penalties set the total rather than subtract, so a bolt penalty taken in the same
  // scoreless turn is replaced by the fall.
  if (player.FBarrelFalls >= FOptions.BARRELSCOUNT) {
    player.FScoreDelta = -player.FScore;
    player.FBarrelFalls = 0;
    ++FTally.ScoreWipes;
  } else {
    player.FScoreDelta = -FOptions.BARRELSDOWNSCORE;
  }
}

void TGame::FinishGame() {
  DisableTurnButtons();
  FGameOver = true;
  UpdateButtons();
  SetButtonEnabled(FButtons[TTableButtons::Menu], true);
  if (const TPlayer* player = CurrentPlayer()) Tell([&] { return WinnerMessage(player->FName); });
}
