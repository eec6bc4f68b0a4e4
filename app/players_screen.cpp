#include "app/players_screen.h"

#include <algorithm>
#include <array>

#include "app/menu_buttons.h"
#include "game/computer_player.h"
#include "game/game.h"
#include "base/cp1251.h"
#include "gfx/letters.h"
#include "gfx/surface_collection.h"
#include "net/net_table_loop.h"

namespace {

constexpr std::array<TMenuButtonPlace, 4> kPlayersButtons{{
    {"BT_OK", "BT_OK|BT1_OK|BT2_OK", 274, 36},
    {"BT_DELETE", "BT_DEL|BT1_DEL|BT2_DEL", 274, 68},
    {"BT_ADD", "BT_ADD|BT1_ADD|BT2_ADD", 274, 280},
    {"BT_CLOSE", "BT_CLOSE1|BT_CLOSE2|BT_CLOSE3", 358, 6},
}};

// The focus order has a row for each place of the list, then the name field.
constexpr int kNameStop = TPlayers::MaxPlayers;

constexpr int kCaretCycle = 35;
constexpr int kCaretShownUpTo = 20;
constexpr std::uint8_t kBackspace = 8;
constexpr std::uint8_t kEnter = 13;
// The levels the level line offers: normal, risky, strong.
constexpr int kChoosableLevels = ComputerLevelStrong + 1;

// A computer's level, in full for the new player's line, cut short to fit the list's column.
// A level past the strong one (only from a file or another program) plays as the risky one.
std::string LevelName(std::uint8_t level, bool full) {
  if (level == ComputerLevelNormal) return Cp1251(full ? "НОРМАЛЬНЫЙ" : "норм");
  if (level == ComputerLevelStrong) return Cp1251(full ? "СИЛЬНЫЙ" : "сила");
  return Cp1251(full ? "РИСКОВЫЙ" : "риск");
}
constexpr std::size_t kNameLength = 9;

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

TPlayersScreen::TPlayersScreen(const TScreenContext& context)
    : TScreenContext(context), NewPlayerName(Cp1251("Игрок 1")) {}

void TPlayersScreen::Open() {
  CaretPhase = -1;
  BuildMenuButtons(Buttons, kPlayersButtons, &Sprites);
  Refresh();
}

void TPlayersScreen::Refresh() {
  const TPlayers& players = Game.Players();
  TSefraDXButton* deleteButton = Buttons.FindButton("BT_DELETE");
  SetEnabledIfChanged(deleteButton, players.Count() > 0);
  // A client may not delete a player that another machine added.
  const bool foreignSelected = SelectedPlayer >= 0 && SelectedPlayer < players.Count() &&
                               !players.Player(SelectedPlayer).FLocal;
  if (deleteButton && Game.NetGame() && !Game.NetHost() && foreignSelected)
    deleteButton->SetState(TWidgetState::wsDisabled);
  const bool nameAcceptable = !NewPlayerName.empty() && !NameTaken(players, NewPlayerName);
  SetEnabledIfChanged(Buttons.FindButton("BT_ADD"), !players.Full() && nameAcceptable);
}

void TPlayersScreen::Step() {
  Refresh();
  const TPlayers& players = Game.Players();
  if (players.Count() != FKnownPlayerCount) {
    SelectedPlayer = 0;
    FKnownPlayerCount = static_cast<std::uint8_t>(players.Count());
    return;
  }
  Buttons.Tick();
  bool leave = false;
  for (int i = 0; i < Buttons.Count(); ++i) {
    if (!Buttons.GetButton(i)->Clicked()) continue;
    const std::string& name = Buttons.GetName(i);
    if (name == "BT_OK" || name == "BT_CLOSE") leave = true;
    if (name == "BT_DELETE") {
      // The game hands the turn on when the deleted player had it; in a network game every
      // machine deletes it (a client's deletion comes back from the host).
      Host.TableLoop().DeletePlayer(SelectedPlayer);
      if (SelectedPlayer >= players.Count()) SelectedPlayer = players.Count() - 1;
    }
    if (name == "BT_ADD") {
      TPlayer player;
      player.FName = NewPlayerName;
      player.FKind = NewPlayerKind;
      player.FLevel = NewPlayerLevel;
      // Local and with a fresh score; in a network game every machine gets it too.
      Host.TableLoop().AddPlayer(std::move(player));
      if (SelectedPlayer < 0) SelectedPlayer = 0;
      NewPlayerName.clear();
    }
  }
  if (CaretPhase >= 0) CaretPhase = (CaretPhase + 1) % kCaretCycle;
  if (leave) {
    Host.SetScreen(TScreenKind::skMainMenu);
    Game.UpdateButtons();
  }
}

void TPlayersScreen::MouseDown(int x, int y) {
  using Z = TPlayersZones;
  if (PressButtonAt(Buttons, x, y)) {
    CaretPhase = -1;
    return;
  }
  if (Contains(Z::PlayerList, x, y)) {
    const int row = (y - Z::PlayerList.Top) / Z::RowHeight;
    if (row < Game.Players().Count()) SelectedPlayer = row;
    CaretPhase = -1;
    return;
  }
  if (Contains(Z::KindLine, x, y)) {
    NewPlayerKind = NewPlayerKind == 1 ? 0 : 1;
    CaretPhase = -1;
  }
  if (NewPlayerKind == PlayerKindComputer && Contains(Z::LevelLine, x, y)) {
    NewPlayerLevel = static_cast<std::uint8_t>((NewPlayerLevel + 1) % kChoosableLevels);
    CaretPhase = -1;
  }
  if (Contains(NameFieldZone(), x, y)) CaretPhase = 0;
}

TRect TPlayersScreen::NameFieldZone() const {
  using Z = TPlayersZones;
  TRect field = Z::NameField;
  field.Width = std::max(field.Width + Letters.TextWidth(NewPlayerName), Z::NameBoxRight - field.Left);
  return field;
}

void TPlayersScreen::KeyPress(std::uint8_t key) {
  if (CaretPhase < 0) return;
  if (key == kEnter) {
    // Pressed whatever its state: the next step's refresh takes a press it may not have back.
    if (TSefraDXButton* add = Buttons.FindButton("BT_ADD")) add->Press();
    return;
  }
  if (key == kBackspace && !NewPlayerName.empty()) NewPlayerName.pop_back();
  if (IsNameCharacter(key) && NewPlayerName.size() < kNameLength) NewPlayerName.push_back(static_cast<char>(key));
}

std::vector<TFocusStop> TPlayersScreen::FocusStops() const {
  using Z = TPlayersZones;
  std::vector<TFocusStop> stops;
  for (int row = 0; row < TPlayers::MaxPlayers; ++row) {
    const bool listed = row < Game.Players().Count();
    stops.push_back({listed ? Z::Row(row) : TRect{}, listed});
  }
  stops.push_back({NameFieldZone(), true, true});
  const auto line = [](const TRect& zone) {
    return TRect{zone.Left, zone.Top, Z::LineRingRight - zone.Left, zone.Height};
  };
  stops.push_back({line(Z::KindLine)});
  const bool computer = NewPlayerKind == PlayerKindComputer;
  stops.push_back({computer ? line(Z::LevelLine) : TRect{}, computer});
  AddButtonStops(stops, Buttons, kPlayersButtons);
  return stops;
}

void TPlayersScreen::FocusMoved(int index) { CaretPhase = index == kNameStop ? 0 : -1; }

void TPlayersScreen::Paint(TSurface& overlay) {
  using Z = TPlayersZones;
  if (const TSurface* back = Sprites.FindSurface("PLAYERS")) overlay.Draw(0, 0, *back, false);
  const auto text = [this, &overlay](int x, int y, const std::string& line, TLetterAlign align = TLetterAlign::laLeft) {
    Letters.DrawLine(overlay, x, y, line, align, TLetterAlign::laCenter);
  };
  const TPlayers& players = Game.Players();
  for (int i = 0; i < players.Count(); ++i) {
    const int y = Z::FirstRowMiddle + Z::RowHeight * i;
    const bool selected = i == SelectedPlayer;
    const std::string prefix = selected ? "&2" : "&0";
    if (const TSurface* bar = selected ? Sprites.FindSurface("PN_UP") : nullptr)
      overlay.Draw(Z::SelectionBarLeft, y - bar->Height() / 2, *bar, true);
    const TPlayer& player = players.Player(i);
    text(Z::NameColumn, y, prefix + player.FName);
    text(Z::KindColumn, y, prefix + Cp1251(player.FKind == 0 ? "человек" : "компьютер"), TLetterAlign::laCenter);
    if (player.FKind == 0) text(Z::LevelColumn, y, prefix + "---");
    if (player.FKind == PlayerKindComputer) text(Z::LevelColumn, y, prefix + LevelName(player.FLevel, false));
  }
  const bool caretShown = CaretPhase >= 0 && CaretPhase <= kCaretShownUpTo;
  text(Z::NameText.X, Z::NameText.Y, NewPlayerName + (caretShown ? "_" : ""));
  if (NewPlayerKind == 0) {
    text(Z::KindText.X, Z::KindText.Y, Cp1251("ЧЕЛОВЕК"));
    text(Z::LevelText.X, Z::LevelText.Y, "---");
  } else if (NewPlayerKind == 1) {
    text(Z::KindText.X, Z::KindText.Y, Cp1251("КОМПЬЮТЕР"));
    text(Z::LevelText.X, Z::LevelText.Y, LevelName(NewPlayerLevel, true));
  }
  Buttons.Draw(overlay, 0, 0);
}
