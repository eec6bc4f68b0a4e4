// Typing: the new player's name on the players screen and the server address on the
// network screen; everywhere else typed characters are ignored.
#include <string>

#include "app/main_form.h"
#include "base/cp1251.h"

namespace {

constexpr std::uint8_t kBackspace = 8;
constexpr std::uint8_t kEnter = 13;
constexpr std::size_t kNameLength = 9;
constexpr std::size_t kAddressLength = 20;

// What a player's name may hold: Cyrillic and Latin letters, digits and a fixed set of signs
// (no space).
bool IsNameCharacter(std::uint8_t code) {
  static const std::string kSigns = Cp1251("!@#№$;%^:&?*()-_+=\\}{[]<>.,/~'\"");
  if ((code >= 'a' && code <= 'z') || (code >= 'A' && code <= 'Z') || (code >= '0' && code <= '9')) return true;
  // Windows-1251: А..я are 0xC0..0xFF, Ё 0xA8, ё 0xB8.
  if (code >= 0xC0 || code == 0xA8 || code == 0xB8) return true;
  return kSigns.find(static_cast<char>(code)) != std::string::npos;
}

}  // namespace

void TfmMain::FormKeyPress(std::uint8_t key) {
  if (CaretPhase < 0) return;
  if (CurrentScreen == TScreenKind::skPlayers) {
    if (key == kEnter) {
      // Pressed whatever its state: the next step's refresh takes a press it may not have back.
      if (TSefraDXButton* add = MenuButtons->FindButton("BT_ADD")) add->Press();
      return;
    }
    if (key == kBackspace && !NewPlayerName.empty()) NewPlayerName.pop_back();
    if (IsNameCharacter(key) && NewPlayerName.size() < kNameLength) NewPlayerName.push_back(static_cast<char>(key));
    return;
  }
  if (CurrentScreen == TScreenKind::skNetwork) {
    std::string& address = Game->FServerAddress;
    if (key == kBackspace) {
      if (!address.empty()) address.pop_back();
    } else if (address.size() < kAddressLength) {
      address.push_back(static_cast<char>(key));
    }
    RefreshMenuButtons();
  }
}
