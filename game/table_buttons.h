#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <string_view>

// The looks of a table button; the numbers are those of the drawn widgets' states.
enum class TButtonState : std::uint8_t { Normal = 0, Pressed = 1, Disabled = 2 };

// Ticks a pressed button shows its pressed look before its action runs.
inline constexpr int ButtonPressTicks = 5;

// The count of quiet ticks ahead when nothing runs down: only a press ends them.
inline constexpr int QuietForever = 1 << 30;

// A table button as the rules and the table step see it: the one place where its pressed look
// runs down and its click is told. The window only draws it.
class TTableButton {
public:
  explicit TTableButton(TButtonState initial) : FState(initial), FPrevState(initial) {}
  TButtonState State() const { return FState; }
  // Remembers the state it leaves, so that Clicked can tell a press that ran out.
  void SetState(TButtonState state) {
    FPrevState = FState;
    FState = state;
  }
  void SetPressTicks(int ticks) { FPressTicks = ticks; }
  // Runs the pressed look down; true in the tick in which it ends (the button is then normal).
  // Every tick asks every button, so these few are inline.
  bool Tick() {
    if (FPressTicks <= 0 || --FPressTicks > 0) return false;
    // A button disabled during its pressed look stays disabled: the press lapses unclicked.
    if (FState != TButtonState::Pressed) return false;
    SetState(TButtonState::Normal);
    return true;
  }
  // True once after a press has run out.
  bool Clicked() {
    const bool clicked = FPrevState == TButtonState::Pressed && FState == TButtonState::Normal;
    FPrevState = FState;
    return clicked;
  }
  // Ticks ahead in which the pressed look runs without ending (none: QuietForever).
  int QuietTicks() const { return FPressTicks > 0 ? FPressTicks - 1 : QuietForever; }
  // Runs the pressed look down by ticks within QuietTicks.
  void RunDown(int ticks) {
    if (FPressTicks > 0) FPressTicks -= ticks;
  }

private:
  TButtonState FState;
  TButtonState FPrevState;
  int FPressTicks = 0;
};

// Enabling leaves a normal or pressed button as it is and makes a disabled one normal;
// disabling makes any button disabled.
void SetButtonEnabled(TTableButton& button, bool enabled);

// Shows the pressed look for ButtonPressTicks, whatever the state was.
void PressTableButton(TTableButton& button);

// The four table buttons by name, in the order the table step asks them for clicks.
class TTableButtons {
public:
  static constexpr int Count = 4;
  static constexpr std::array<std::string_view, Count> Names{"BT_DO", "BT_CANCEL", "BT_START",
                                                             "BT_MENU"};
  enum TIndex { Do = 0, Cancel = 1, Start = 2, Menu = 3 };

  TTableButtons();

  TTableButton& operator[](TIndex index) { return FButtons[index]; }
  const TTableButton& operator[](TIndex index) const { return FButtons[index]; }
  // The button of a name (letter case ignored), or nullptr.
  const TTableButton* Find(std::string_view name) const;

  // Ticks every button; true when at least one pressed look ended.
  bool Tick() {
    bool ended = false;
    for (TTableButton& button : FButtons) ended = button.Tick() || ended;
    return ended;
  }
  // The least of the buttons' QuietTicks, and all of them run down by ticks within it.
  int QuietTicks() const {
    int quiet = QuietForever;
    for (const TTableButton& button : FButtons) quiet = std::min(quiet, button.QuietTicks());
    return quiet;
  }
  void RunDown(int ticks) {
    for (TTableButton& button : FButtons) button.RunDown(ticks);
  }

private:
  std::array<TTableButton, Count> FButtons;
};
