#pragma once

#include "game/game.h"

// What one table step brought about: the window plays its sounds from these, the rules lab
// counts them.
struct TStepEvents {
  bool Landing = false;         // a die touched down for the first time (sound 0)
  bool Settled = false;         // a throw was scored this step
  int SettledDice = 0;          // how many dice it had
  TThrowOutcome Outcome = TThrowOutcome::Scored;  // what the rules made of it; Zero: sound 1
  bool GameStarted = false;     // sound 2
  bool GameWon = false;         // recording the turn won the game (sound 3)
  bool TurnRecorded = false;
  bool TurnPassed = false;      // the pass delay ran out and the next player has the turn
  bool MenuRequested = false;   // "BT_MENU" was clicked: the window opens the main menu
};

// Waits the loop keeps. The game keeps the defaults; the rules lab and the tests may cut the
// computer's wait and the pause before the turn passes, and fast-forward a roll.
struct TLoopPacing {
  int ComputerPressDelay = 40;  // ticks from the computer's decision to its press (at least 1)
  bool CutPassDelay = false;    // a lost turn passes on the next tick instead of after 55
  // Plays a roll to its end within one step: the same dice steps, two per tick, with the
  // score animation kept in pace; only what nobody watches (row dice, panel) is left out.
  bool FastForwardDice = false;
  // With FastForwardDice: the roll is not stepped at all, only its draws are made, in the
  // same order, and the score animation kept in pace (the rules lab).
  bool SettleDiceAtOnce = false;
};

// The game part of the table screen's tick, headless: the order of one step, the table
// buttons' clicks and the computer player's presses. The window runs it every tick and adds
// the menus, sounds and drawing; tests and the rules lab run it alone.
class TGameLoop {
public:
  static constexpr int AutoPressThrow = 1;
  static constexpr int AutoPressRecord = 2;

  explicit TGameLoop(TGame& game, TLoopPacing pacing = {});
  virtual ~TGameLoop() = default;
  TGameLoop(const TGameLoop&) = delete;
  TGameLoop& operator=(const TGameLoop&) = delete;

  // One tick: the landing event, GameStep, then the clicks of the table buttons.
  TStepEvents TableStep();
  // Score animation, the computer's pending press, the pass delay, two dice steps while the
  // dice move or else the scoring of a throw that came to rest, the row dice and the panel.
  void GameStep(TStepEvents& events);
  // Completes a running pass delay and a rolling throw at once (before a peer's action).
  void FinishRolling(TStepEvents& events);

  // A press that hit a table button, as the mouse gives it: ignored while the computer's
  // press is pending, on a button that is not normal, and on the turn buttons during a
  // computer's turn. Returns whether the button took the press.
  bool PressButton(TTableButtons::TIndex button);

  // The rules lab's shortcut through an unwatched game: runs at once the ticks ahead in which
  // nothing happens but counters running down (TGame::QuietTicks), the computer's wait before
  // its press among them, and a tick whose only action is the computer's press or a roll
  // settled at once; the next TableStep is then a tick in which something else happens.
  // Returns how many ticks it ran (none while the game waits for a person).
  int SkipIdleTicks();

  // Lets the current player, if a computer, decide and schedule its press.
  void ScheduleComputerMove();
  void AutoPressTick(int ticks);

  int AutoPressDelay() const { return FAutoPressDelay; }
  int AutoPressButton() const { return FAutoPressButton; }
  TGame& Game() { return FGame; }

protected:
  // The actions of the four buttons; a network session replaces them with its requests.
  virtual void OnStartClicked(TStepEvents& events);
  virtual void OnMenuClicked(TStepEvents& events);
  virtual void OnThrowClicked(TStepEvents& events);
  virtual void OnRecordClicked(TStepEvents& events);

private:
  void HandleClicks(TStepEvents& events);
  bool SettlesAtOnce() const { return FPacing.FastForwardDice && FPacing.SettleDiceAtOnce; }
  void SettleRollAtOnce();
  void RunDownQuietTicks(int ticks);
  bool CurrentIsComputer() const;
  bool ComputerMovesHere() const;

  TGame& FGame;
  TLoopPacing FPacing;
  int FAutoPressButton = 0;
  int FAutoPressDelay = 0;
};
