#include "game/table_buttons.h"

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
