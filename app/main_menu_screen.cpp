#include "app/main_menu_screen.h"

#include <array>
#include <optional>
#include <span>
#include <string_view>

#include "app/menu_buttons.h"
#include "app/settings.h"
#include "game/game.h"
#include "base/cp1251.h"
#include "base/file_version.h"
#include "gfx/letters.h"
#include "gfx/surface_collection.h"
#include "platform/file_dialog.h"
#include "platform/link_opener.h"
#include "platform/message_box.h"

namespace {

constexpr std::array<TMenuButtonPlace, 7> kMainMenuButtons{{
    {"BT_OK", "BT_OK|BT1_OK|BT2_OK", 202, 38},
    {"BT_PLAYERS", "BT_PLAYERS1|BT_PLAYERS2|BT_PLAYERS3", 202, 72, TWidgetState::wsDisabled},
    {"BT_OPTIONS", "BT_OPTIONS1|BT_OPTIONS2|BT_OPTIONS3", 202, 106, TWidgetState::wsDisabled},
    {"BT_SAVE", "BT_SAVE1|BT_SAVE2|BT_SAVE3", 202, 140, TWidgetState::wsDisabled},
    {"BT_LOAD", "BT_LOAD1|BT_LOAD2|BT_LOAD3", 202, 174, TWidgetState::wsDisabled},
    {"BT_NET", "BT_NET1|BT_NET2|BT_NET3", 202, 208},
    {"BT_CLOSE", "BT_CLOSE1|BT_CLOSE2|BT_CLOSE3", 286, 6},
}};

// The credit lines: the project, the rules page beside the executable, the project's address.
constexpr const char* kAuthorLine = "Проект \"Тысяча\"";
constexpr const char* kWebLine = "Правила игры: rules.html";
constexpr const char* kMailLink = "mailto:team@thousand-dice.example";

// The close box is kept for the end of the focus order, after the credit lines.
constexpr std::size_t kColumnButtons = kMainMenuButtons.size() - 1;
constexpr int kAuthorStop = static_cast<int>(kColumnButtons);
constexpr int kWebStop = kAuthorStop + 1;

TFileDialogRequest SavedGameRequest(bool save, const std::string& folder) {
  return {save, save ? "Запись игры" : "Чтение игры", "Файлы записи", "sav", folder};
}

}  // namespace

TMainMenuScreen::TMainMenuScreen(const TScreenContext& context) : TScreenContext(context), FVersionText(FileVersionText()) {}

void TMainMenuScreen::Open() {
  BuildMenuButtons(Buttons, kMainMenuButtons, &Sprites);
  Refresh();
}

void TMainMenuScreen::Refresh() {
  const bool netGame = Game.NetGame();
  for (const TMenuButtonPlace& place : kMainMenuButtons) {
    TSefraDXButton* button = Buttons.FindButton(place.Name);
    if (button == nullptr) continue;
    bool enabled = true;
    if (std::string_view(place.Name) == "BT_SAVE") enabled = !Game.GameOver() && !netGame;
    if (std::string_view(place.Name) == "BT_LOAD") enabled = !netGame;
    SetButtonEnabled(*button, enabled);
  }
}

void TMainMenuScreen::Step() {
  if (!Buttons.Tick()) return;
  std::optional<TScreenKind> target;
  for (int i = 0; i < Buttons.Count(); ++i) {
    if (!Buttons.GetButton(i)->Clicked()) continue;
    const std::string& name = Buttons.GetName(i);
    if (name == "BT_CLOSE" || name == "BT_OK") target = TScreenKind::skTable;
    if (name == "BT_SAVE") SaveGame();
    if (name == "BT_LOAD") LoadGame();
    if (name == "BT_PLAYERS") target = TScreenKind::skPlayers;
    if (name == "BT_OPTIONS") target = TScreenKind::skOptions;
    if (name == "BT_NET") target = TScreenKind::skNetwork;
  }
  if (target) Host.SetScreen(*target);
}

void TMainMenuScreen::SaveGame() {
  const std::string file = Host.RunFileDialog(SavedGameRequest(true, DialogFolder));
  if (file.empty()) return;
  Messages.Show(Cp1251(Game.SaveGame(file) ? "Игра успешно сохранена!" : "Ошибка сохранения игры!"));
}

void TMainMenuScreen::LoadGame() {
  const std::string file = Host.RunFileDialog(SavedGameRequest(false, DialogFolder));
  if (file.empty()) return;
  Messages.Show(Cp1251(Game.LoadGame(file) ? "Игра успешно загружена!" : "Ошибка чтения игры!"));
}

void TMainMenuScreen::Paint(TSurface& overlay) {
  if (const TSurface* back = Sprites.FindSurface("MENU2")) overlay.Draw(0, 0, *back, false);
  const auto line = [this, &overlay](TPlace place, const std::string& text) {
    Letters.DrawLine(overlay, place.X, place.Y, text, TLetterAlign::laLeft, TLetterAlign::laCenter);
  };
  using Z = TMainMenuZones;
  line(Z::VersionLine, "&1" + FVersionText);
  line(Z::AuthorLine, (HoverLink == HoverAuthor ? "&2" : "&1") + Cp1251(kAuthorLine));
  line(Z::WebLine, (HoverLink == HoverWeb ? "&2" : "&1") + Cp1251(kWebLine));
  Buttons.Draw(overlay, 0, 0);
}

void TMainMenuScreen::MouseDown(int x, int y) {
  if (!PressButtonAt(Buttons, x, y)) OpenLink(HoverLink);
}

void TMainMenuScreen::OpenLink(std::uint8_t link) {
  if (link == HoverWeb) Links.Open(RulesPageFile);
  if (link == HoverAuthor) Links.Open(kMailLink);
}

TFocusStop TMainMenuScreen::LineStop(TPlace place, const char* text) const {
  const std::string line = Cp1251(text);
  const int height = Letters.LineHeight(line);
  return {{place.X, place.Y - height / 2, Letters.TextWidth(line), height}};
}

std::vector<TFocusStop> TMainMenuScreen::FocusStops() const {
  std::vector<TFocusStop> stops;
  const std::span<const TMenuButtonPlace> places(kMainMenuButtons);
  AddButtonStops(stops, Buttons, places.first(kColumnButtons));
  stops.push_back(LineStop(TMainMenuZones::AuthorLine, kAuthorLine));
  stops.push_back(LineStop(TMainMenuZones::WebLine, kWebLine));
  AddButtonStops(stops, Buttons, places.subspan(kColumnButtons));
  return stops;
}

// The credit lines open their links straight away: the rules line's band for the mouse lies
// above its letters, so a press in their middle would miss it.
void TMainMenuScreen::PressStop(int index, const TFocusStop& stop) {
  if (index == kAuthorStop) return OpenLink(HoverAuthor);
  if (index == kWebStop) return OpenLink(HoverWeb);
  IMenuScreen::PressStop(index, stop);
}

void TMainMenuScreen::MouseMove(int x, int y) {
  HoverLink = HoverNone;
  if (Contains(TMainMenuZones::AuthorLink, x, y)) HoverLink = HoverAuthor;
  if (Contains(TMainMenuZones::WebLink, x, y)) HoverLink = HoverWeb;
}
