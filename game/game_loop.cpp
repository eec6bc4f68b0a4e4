#include "game/game_loop.h"

#include <algorithm>

TGameLoop::TGameLoop(TGame& game, TLoopPacing pacing) : FGame(game), FPacing(pacing) {
  FPacing.ComputerPressDelay = std::max(FPacing.ComputerPressDelay, 1);
}

bool TGameLoop::CurrentIsComputer() const {
  const TPlayer* player = FGame.CurrentPlayer();
  return player != nullptr && player->PlaysAsComputer();
}

// In a network game a computer player is played by its own machine only; the others follow
// its moves from the host's messages, so that each decision is requested once.
bool TGameLoop::ComputerMovesHere() const {
  const TPlayer* player = FGame.CurrentPlayer();
  return CurrentIsComputer() && (!FGame.NetGame() || player->FLocal);
}

TStepEvents TGameLoop::TableStep() {
  TStepEvents events;
  events.Landing = FGame.TakeLandingEvent();
  GameStep(events);
  if (FGame.TickButtons()) HandleClicks(events);
  return events;
}

void TGameLoop::GameStep(TStepEvents& events) {
  FGame.AnimateScores();
  if (FAutoPressDelay > 0) AutoPressTick(FAutoPressDelay - 1);
  if (FGame.TickPassDelay()) {
    events.TurnPassed = true;
    ScheduleComputerMove();
  }
  if (FPacing.FastForwardDice && FPacing.SettleDiceAtOnce && FGame.DiceMoving()) {
    // The stepped roll animates the scores once per two steps, the first above.
    const int tickCount = (FGame.SettleDiceAtOnce() + 1) / 2;
    if (tickCount > 1) FGame.AnimateScores(tickCount - 1);
  } else if (FGame.DiceMoving()) {
    FGame.StepDice();
    FGame.StepDice();
    while (FPacing.FastForwardDice && FGame.DiceMoving()) {
      FGame.AnimateScores();
      FGame.StepDice();
      FGame.StepDice();
    }
  } else if (FGame.ThrowPending()) {
    events.Settled = true;
    events.SettledDice = FGame.ThrowCount();
    events.Outcome = FGame.ThrowSettled();
    if (events.Outcome == TThrowOutcome::Scored) ScheduleComputerMove();
    const bool passing = events.Outcome == TThrowOutcome::Overshoot || events.Outcome == TThrowOutcome::Zero;
    if (passing && FPacing.CutPassDelay) FGame.CutPassDelay();
  }
  FGame.TurnRowDice();
  FGame.TickMessagePanel();
}

void TGameLoop::FinishRolling(TStepEvents& events) {
  FGame.CutPassDelay();
  while (FGame.DiceMoving()) GameStep(events);
  GameStep(events);
}

int TGameLoop::SkipIdleTicks() {
  int skipped = 0;
  for (;;) {
    const int idle = FGame.IdleTicks();
    const int ticks = FAutoPressDelay > 0 ? std::min(idle, FAutoPressDelay - 1) : idle;
    if (ticks == QuietForever) return skipped;
    FGame.SkipIdleTicks(ticks);
    if (FAutoPressDelay > 0) FAutoPressDelay -= ticks;
    skipped += ticks;
    if (FAutoPressDelay != 1 || ticks == idle) return skipped;
    // The press is all its tick does; the look it starts runs down with the tick.
    AutoPressTick(0);
    FGame.SkipIdleTicks(1);
    ++skipped;
  }
}

void TGameLoop::HandleClicks(TStepEvents& events) {
  for (int i = 0; i < TTableButtons::Count; ++i) {
    const auto index = static_cast<TTableButtons::TIndex>(i);
    if (!FGame.TakeClick(index)) continue;
    switch (index) {
      case TTableButtons::Start: OnStartClicked(events); break;
      case TTableButtons::Menu: OnMenuClicked(events); break;
      case TTableButtons::Do: OnThrowClicked(events); break;
      case TTableButtons::Cancel: OnRecordClicked(events); break;
    }
  }
}

void TGameLoop::OnStartClicked(TStepEvents& events) {
  events.GameStarted = true;
  FGame.StartGame();
  ScheduleComputerMove();
}

void TGameLoop::OnMenuClicked(TStepEvents& events) {
  events.MenuRequested = true;
  ScheduleComputerMove();
}

void TGameLoop::OnThrowClicked(TStepEvents&) {
  FGame.StartThrow();
  FGame.DisableTurnButtons();
}

void TGameLoop::OnRecordClicked(TStepEvents& events) {
  if (FGame.GameOver()) return;
  events.TurnRecorded = true;
  FGame.RecordTurn();
  if (FGame.GameOver()) {
    events.GameWon = FGame.CurrentPlayer() != nullptr;
  } else {
    FGame.SetCurrentPlayer(FGame.CurrentPlayerIndex() + 1);
  }
  ScheduleComputerMove();
}

bool TGameLoop::PressButton(TTableButtons::TIndex button) {
  if (FAutoPressDelay > 0) return false;
  if (FGame.Buttons()[button].State() != TButtonState::Normal) return false;
  const bool turnButton = button == TTableButtons::Do || button == TTableButtons::Cancel;
  if (turnButton && CurrentIsComputer()) return false;
  FGame.PressButton(button);
  return true;
}

void TGameLoop::ScheduleComputerMove() {
  if (FGame.GameOver() || !ComputerMovesHere()) return;
  FAutoPressButton = FGame.ComputerWantsThrow() ? AutoPressThrow : AutoPressRecord;
  FAutoPressDelay = FPacing.ComputerPressDelay;
}

void TGameLoop::AutoPressTick(int ticks) {
  FAutoPressDelay = ticks;
  // A press decided for a computer is never made for someone else (a game loaded meanwhile).
  if (ticks != 0 || FGame.GameOver() || !ComputerMovesHere()) return;
  FGame.PressButton(FAutoPressButton == AutoPressThrow ? TTableButtons::Do : TTableButtons::Cancel);
}
