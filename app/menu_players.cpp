// The players screen: the list in turn order, adding a player by name and kind, deleting the
// selected one.
#include <array>

#include "app/main_form.h"
#include "app/menu_buttons.h"
#include "base/cp1251.h"

namespace {

constexpr std::array<TMenuButtonPlace, 4> kPlayersButtons{{
    {"BT_OK", "BT_OK|BT1_OK|BT2_OK", 274, 36},
    {"BT_DELETE", "BT_DEL|BT1_DEL|BT2_DEL", 274, 68},
    {"BT_ADD", "BT_ADD|BT1_ADD|BT2_ADD", 274, 280},
    {"BT_CLOSE", "BT_CLOSE1|BT_CLOSE2|BT_CLOSE3", 358, 6},
}};

constexpr int kFirstRowY = 82;
constexpr int kRowHeight = 29;
constexpr int kCaretCycle = 35;
constexpr int kCaretShownUpTo = 20;

bool NameTaken(const TPlayers& players, const std::string& name) {
  for (int i = 0; i < players.Count(); ++i)
    if (players.Player(i).FName == name) return true;
  return false;
}

// Enabling puts a disabled button back to normal; a pressed one is left alone.
void SetEnabledIfChanged(TSefraDXButton* button, bool enabled) {
  if (button == nullptr) return;
  const bool disabled = button->State() == TWidgetState::wsDisabled;
  if (disabled && enabled) button->SetState(TWidgetState::wsNormal);
  if (!disabled && !enabled) button->SetState(TWidgetState::wsDisabled);
}

}  // namespace

void TfmMain::BuildPlayersScreen() { BuildMenuButtons(*MenuButtons, kPlayersButtons, &Sprites); }

void TfmMain::RefreshPlayersScreen() {
  const TPlayers& players = Game->Players();
  TSefraDXButton* deleteButton = MenuButtons->FindButton("BT_DELETE");
  SetEnabledIfChanged(deleteButton, players.Count() > 0);
  // A client may not delete a player that another machine added.
  const bool foreignSelected = SelectedPlayer >= 0 && SelectedPlayer < players.Count() &&
                               !players.Player(SelectedPlayer).FLocal;
  if (deleteButton && Game->NetGame() && !Game->NetHost() && foreignSelected)
    deleteButton->SetState(TWidgetState::wsDisabled);
  const bool nameAcceptable = !NewPlayerName.empty() && !NameTaken(players, NewPlayerName);
  SetEnabledIfChanged(MenuButtons->FindButton("BT_ADD"), !players.Full() && nameAcceptable);
}

void TfmMain::PlayersStep() {
  RefreshPlayersScreen();
  const TPlayers& players = Game->Players();
  if (players.Count() != KnownPlayerCount) {
    SelectedPlayer = 0;
    KnownPlayerCount = static_cast<std::uint8_t>(players.Count());
    return;
  }
  MenuButtons->Tick();
  bool leave = false;
  for (int i = 0; i < MenuButtons->Count(); ++i) {
    if (!MenuButtons->GetButton(i)->Clicked()) continue;
    const std::string& name = MenuButtons->GetName(i);
    if (name == "BT_OK" || name == "BT_CLOSE") leave = true;
    if (name == "BT_DELETE") {
      // The game hands the turn on when the deleted player had it; in a network game every
      // machine deletes it (a client's deletion comes back from the host).
      Loop->DeletePlayer(SelectedPlayer);
      if (SelectedPlayer >= players.Count()) SelectedPlayer = players.Count() - 1;
    }
    if (name == "BT_ADD") {
      TPlayer player;
      player.FName = NewPlayerName;
      player.FKind = NewPlayerKind;
      player.FLevel = NewPlayerLevel;
      // Local and with a fresh score; in a network game every machine gets it too.
      Loop->AddPlayer(std::move(player));
      if (SelectedPlayer < 0) SelectedPlayer = 0;
      NewPlayerName.clear();
    }
  }
  if (CaretPhase >= 0) CaretPhase = (CaretPhase + 1) % kCaretCycle;
  if (leave) {
    SetScreen(TScreenKind::skMainMenu);
    Game->UpdateButtons();
  }
}

void TfmMain::PlayersMouseDown(int x, int y) {
  if (x >= 14 && x <= 266 && y >= 67 && y <= 257) {
    const int row = (y - 67) / kRowHeight;
    if (row < Game->Players().Count()) SelectedPlayer = row;
    CaretPhase = -1;
    return;
  }
  if (x >= 12 && x <= 286 && y >= 300 && y <= 316) {
    NewPlayerKind = NewPlayerKind == 1 ? 0 : 1;
    CaretPhase = -1;
  }
  if (x >= 10 && x <= Letters.TextWidth(NewPlayerName) + 144 && y >= 279 && y <= 295) CaretPhase = 0;
}

void TfmMain::PaintPlayers() {
  if (const TSurface* back = Sprites.FindSurface("PLAYERS")) DXDrawMenu.Draw(0, 0, *back, false);
  const auto text = [this](int x, int y, const std::string& line, TLetterAlign align = TLetterAlign::laLeft) {
    Letters.DrawLine(DXDrawMenu, x, y, line, align, TLetterAlign::laCenter);
  };
  const TPlayers& players = Game->Players();
  for (int i = 0; i < players.Count(); ++i) {
    const int y = kFirstRowY + kRowHeight * i;
    const bool selected = i == SelectedPlayer;
    const std::string prefix = selected ? "&2" : "&0";
    if (const TSurface* bar = selected ? Sprites.FindSurface("PN_UP") : nullptr)
      DXDrawMenu.Draw(8, y - bar->Height() / 2, *bar, true);
    const TPlayer& player = players.Player(i);
    text(12, y, prefix + player.FName);
    text(144, y, prefix + Cp1251(player.FKind == 0 ? "человек" : "компьютер"), TLetterAlign::laCenter);
    if (player.FKind == 0) text(219, y, prefix + "---");
  }
  const bool caretShown = CaretPhase >= 0 && CaretPhase <= kCaretShownUpTo;
  text(144, 288, NewPlayerName + (caretShown ? "_" : ""));
  if (NewPlayerKind == 0) {
    text(64, 309, Cp1251("ЧЕЛОВЕК"));
    text(109, 331, "---");
  } else if (NewPlayerKind == 1) {
    text(64, 309, Cp1251("КОМПЬЮТЕР"));
    if (NewPlayerLevel == 0) text(109, 331, Cp1251("НОРМАЛЬНЫЙ"));
  }
  MenuButtons->Draw(DXDrawMenu, 0, 0);
}
