#include "game/table_buttons.h"

#include <algorithm>
#include <cctype>

void SetButtonEnabled(TTableButton& button, bool enabled) {
  if (!enabled) {
    button.SetState(TButtonState::Disabled);
  } else if (button.State() == TButtonState::Disabled) {
    button.SetState(TButtonState::Normal);
  }
}

void PressTableButton(TTableButton& button) {
  button.SetState(TButtonState::Pressed);
  button.SetPressTicks(ButtonPressTicks);
}

void TTableButton::SetState(TButtonState state) {
  FPrevState = FState;
  FState = state;
}

bool TTableButton::Tick() {
  if (FPressTicks <= 0) return false;
  if (--FPressTicks > 0) return false;
  // A button disabled during its pressed look stays disabled: the press lapses unclicked.
  if (FState != TButtonState::Pressed) return false;
  SetState(TButtonState::Normal);
  return true;
}

int TTableButton::QuietTicks() const { return FPressTicks > 0 ? FPressTicks - 1 : QuietForever; }

void TTableButton::RunDown(int ticks) {
  if (FPressTicks > 0) FPressTicks -= ticks;
}

bool TTableButton::Clicked() {
  const bool clicked = FPrevState == TButtonState::Pressed && FState == TButtonState::Normal;
  FPrevState = FState;
  return clicked;
}

TTableButtons::TTableButtons()
    : FButtons{TTableButton(TButtonState::Disabled), TTableButton(TButtonState::Disabled),
               TTableButton(TButtonState::Normal), TTableButton(TButtonState::Normal)} {}

const TTableButton* TTableButtons::Find(std::string_view name) const {
  auto sameLetters = [](std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
      if (std::toupper(static_cast<unsigned char>(a[i])) !=
          std::toupper(static_cast<unsigned char>(b[i])))
        return false;
    }
    return true;
  };
  for (int i = 0; i < Count; ++i) {
    if (sameLetters(Names[i], name)) return &FButtons[i];
  }
  return nullptr;
}

bool TTableButtons::Tick() {
  bool ended = false;
  for (TTableButton& button : FButtons) ended = button.Tick() || ended;
  return ended;
}

int TTableButtons::QuietTicks() const {
  int quiet = QuietForever;
  for (const TTableButton& button : FButtons) quiet = std::min(quiet, button.QuietTicks());
  return quiet;
}

void TTableButtons::RunDown(int ticks) {
  for (TTableButton& button : FButtons) button.RunDown(ticks);
}
