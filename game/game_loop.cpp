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
  const bool rolling = FGame.DiceMoving();
  if (rolling && SettlesAtOnce()) {
    SettleRollAtOnce();
  } else if (rolling) {
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

void TGameLoop::SettleRollAtOnce() {
  // The stepped roll animates the scores once per two steps, the first with the tick's own.
  const int tickCount = (FGame.SettleDiceAtOnce() + 1) / 2;
  if (tickCount > 1) FGame.AnimateScores(tickCount - 1);
}

void TGameLoop::FinishRolling(TStepEvents& events) {
  FGame.CutPassDelay();
  while (FGame.DiceMoving()) GameStep(events);
  GameStep(events);
}

int TGameLoop::SkipIdleTicks() {
  int skipped = 0;
  for (;;) {
    const bool settling = SettlesAtOnce() && FGame.DiceMoving();
    // A throw to be scored, or rolled step by step, acts in the next tick.
    if (FGame.ThrowPending() && !settling) return skipped;
    const int quiet = FGame.QuietTicks();
    const int untilPress = FAutoPressDelay > 0 ? FAutoPressDelay - 1 : QuietForever;
    const int ticks = FGame.ThrowPending() ? 0 : std::min(quiet, untilPress);
    if (ticks == QuietForever) return skipped;
    if (ticks > 0) RunDownQuietTicks(ticks);
    skipped += ticks;
    if (ticks == quiet) return skipped;
    // The next tick runs at once too when the computer's press or a roll settled at once is
    // all it does.
    const bool pressing = FAutoPressDelay == 1;
    if (pressing == settling) return skipped;
    if (pressing) AutoPressTick(0);
    RunDownQuietTicks(1);
    if (settling) SettleRollAtOnce();
    ++skipped;
  }
}

void TGameLoop::RunDownQuietTicks(int ticks) {
  FGame.SkipQuietTicks(ticks);
  if (FAutoPressDelay > 0) FAutoPressDelay -= ticks;
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
