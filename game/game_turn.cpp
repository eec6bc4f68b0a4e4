#include "game/game.h"
#include "game/message_texts.h"
#include "game/turn_limits.h"

bool TGame::InHole(int total) const { return InHoleAt(FOptions, total); }

bool TGame::OnScoreBarrel(int total) const { return OnScoreBarrelAt(FOptions, total); }

int TGame::MinTurnScore() const {
  const TPlayer* player = CurrentPlayer();
  return player == nullptr ? 0 : MinTurnScoreAt(FOptions, player->Total(), player->FEntered);
}

int TGame::MaxTurnScore() const {
  const TPlayer* player = CurrentPlayer();
  return player == nullptr ? NoTurnLimit : TurnLimitAt(FOptions, player->Total()).value_or(NoTurnLimit);
}

void TGame::StartGame() {
  FGameOver = false;
  for (int i = 0; i < FPlayers.Count(); ++i) FPlayers.ResetScore(i);
  FTally = {};
  SetCurrentPlayer(0);
  SetButtonEnabled(FButtons[TTableButtons::Start], false);
  SetButtonEnabled(FButtons[TTableButtons::Do], true);
  SetButtonEnabled(FButtons[TTableButtons::Cancel], false);
  if (FNetGame) {
    const TPlayer* first = CurrentPlayer();
    if (first == nullptr || !first->FLocal || first->PlaysAsComputer())
      SetButtonEnabled(FButtons[TTableButtons::Do], false);
  }
  PrepareComputerPlayers();
}

void TGame::SetCurrentPlayer(int index) {
  FCurrentPlayer = FPlayers.Count() == 0 ? -1 : (index >= 0 && index < FPlayers.Count() ? index : 0);
  FTurnScore = 0;
  // Giving the turn ends a pause that was still running (a load, a new game, a deletion), so
  // the pause cannot later pass the turn on from the player who now has it.
  FPassDelay = 0;
  ResetDice(false);
  if (FGameOver) {
    Tell([] { return StartMessage(); });
  } else if (const TPlayer* player = CurrentPlayer()) {
    Tell([&] { return TurnMessage(player->FName, FTurnScore); });
  }
  UpdateButtons();
}

void TGame::DeletePlayer(int index) {
  if (index < 0 || index >= FPlayers.Count()) return;
  FPlayers.Delete(index);
  if (index == FCurrentPlayer || CurrentPlayer() == nullptr) SetCurrentPlayer(FCurrentPlayer);
  if (!FGameOver && FPlayers.Count() == 0) FinishGame();
}

void TGame::ClearPlayers() {
  FGameOver = true;
  FPlayers.Clear();
  SetCurrentPlayer(0);
}

void TGame::ContinueLocally() {
  FNetGame = false;
  ForgetNetRole();
  for (int i = 0; i < FPlayers.Count(); ++i) {
    TPlayer& player = FPlayers.Player(i);
    if (player.FLocal) continue;
    player.FLocal = true;
    player.FStandIn = false;
    player.FKind = PlayerKindComputer;
    player.FLevel = 0;
  }
}

TThrowOutcome TGame::ThrowSettled() {
  const int points = SettleThrow();
  // A throw still rolling when the game ended (a failed load, every player deleted) counts
  // for nobody.
  if (FGameOver || CurrentPlayer() == nullptr) {
    if (!FGameOver) FinishGame();
    return TThrowOutcome::NoTurn;
  }
  if (points > 0) {
    FTurnScore += points;
    if (FTurnScore > MaxTurnScore()) {
      Tell([&] { return OvershootMessage(points, FTurnScore); });
      BarrelMiss(FCurrentPlayer, true, false);
      FPassDelay = PassDelayTicks;
      UpdateButtons();
      // A fall from the open barrel lowers the total, and with it the limit the lost turn
      // went past; its points must not become recordable during the pause.
      DisableTurnButtons();
      return TThrowOutcome::Overshoot;
    }
    Tell([&] { return ThrowScoredMessage(points, FTurnScore); });
    UpdateButtons();
    return TThrowOutcome::Scored;
  }
  FTurnScore = 0;
  Tell([] { return ScorelessMessage(); });
  FPassDelay = PassDelayTicks;
  LoseTurn();
  return TThrowOutcome::Zero;
}

void TGame::CutPassDelay() {
  if (FPassDelay > 0) FPassDelay = 1;
}

bool TGame::TickPassDelay() {
  if (FPassDelay == 0) return false;
  if (--FPassDelay != 0) return false;
  SetCurrentPlayer(FCurrentPlayer + 1);
  if (!FGameOver && FPlayers.Count() == 0) FinishGame();
  return true;
}
