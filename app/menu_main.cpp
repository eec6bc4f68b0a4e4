// The main menu: the way to the other screens, saving and loading a game, the version and
// the credit lines.
#include <array>
#include <optional>
#include <string_view>

#include "app/main_form.h"
#include "app/menu_buttons.h"
#include "gfx/cp1251.h"
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

constexpr int kMainMenuHeight = 363;

// The credit lines: the project, the rules page beside the executable, the project's address.
constexpr const char* kAuthorLine = "Проект \"Тысяча\"";
constexpr const char* kWebLine = "Правила игры: rules.html";
constexpr const char* kWebLink = "rules.html";
constexpr const char* kMailLink = "mailto:team@thousand-dice.example";

constexpr int kHoverWeb = 1;
constexpr int kHoverAuthor = 2;

TFileDialogRequest SavedGameRequest(bool save, const std::string& folder) {
  return {save, save ? "Запись игры" : "Чтение игры", "Файлы записи", "sav", folder};
}

}  // namespace

void TfmMain::BuildMainMenu() { BuildMenuButtons(*MenuButtons, kMainMenuButtons, &Sprites); }

void TfmMain::RefreshMainMenu() {
  const bool netGame = Game->FNetGame;
  for (const TMenuButtonPlace& place : kMainMenuButtons) {
    TSefraDXButton* button = MenuButtons->FindButton(place.Name);
    if (button == nullptr) continue;
    bool enabled = true;
    if (std::string_view(place.Name) == "BT_SAVE") enabled = !Game->FGameOver && !netGame;
    if (std::string_view(place.Name) == "BT_LOAD") enabled = !netGame;
    SetButtonEnabled(*button, enabled);
  }
  if (MenuBounds.Height > kMainMenuHeight) MenuBounds.Height = kMainMenuHeight;
}

void TfmMain::MainMenuStep() {
  if (!MenuButtons->Tick()) return;
  std::optional<TScreenKind> target;
  for (int i = 0; i < MenuButtons->Count(); ++i) {
    if (!MenuButtons->GetButton(i)->Clicked()) continue;
    const std::string& name = MenuButtons->GetName(i);
    if (name == "BT_CLOSE" || name == "BT_OK") target = TScreenKind::skTable;
    if (name == "BT_SAVE") SaveGameFromMenu();
    if (name == "BT_LOAD") LoadGameFromMenu();
    if (name == "BT_PLAYERS") target = TScreenKind::skPlayers;
    if (name == "BT_OPTIONS") target = TScreenKind::skOptions;
    if (name == "BT_NET") target = TScreenKind::skNetwork;
  }
  if (target) SetScreen(*target);
}

void TfmMain::SaveGameFromMenu() {
  const std::string file = RunFileDialog(SavedGameRequest(true, DialogFolder));
  if (file.empty()) return;
  FServices.Messages.Show(Cp1251(Game->SaveGame(file) ? "Игра успешно сохранена!" : "Ошибка сохранения игры!"));
}

void TfmMain::LoadGameFromMenu() {
  const std::string file = RunFileDialog(SavedGameRequest(false, DialogFolder));
  if (file.empty()) return;
  FServices.Messages.Show(Cp1251(Game->LoadGame(file) ? "Игра успешно загружена!" : "Ошибка чтения игры!"));
}

void TfmMain::PaintMainMenu() {
  if (const TSurface* back = Sprites.FindSurface("MENU2")) DXDrawMenu.Draw(0, 0, *back, false);
  const auto line = [this](int x, int y, const std::string& text) {
    Letters.DrawLine(DXDrawMenu, x, y, text, TLetterAlign::laLeft, TLetterAlign::laCenter);
  };
  line(74, 284, "&1" + VersionText);
  line(67, 303, (HoverLink == kHoverAuthor ? "&2" : "&1") + Cp1251(kAuthorLine));
  line(58, 323, (HoverLink == kHoverWeb ? "&2" : "&1") + Cp1251(kWebLine));
  MenuButtons->Draw(DXDrawMenu, 0, 0);
}

void TfmMain::OpenHoveredLink() {
  if (HoverLink == kHoverWeb) FServices.Links.Open(kWebLink);
  if (HoverLink == kHoverAuthor) FServices.Links.Open(kMailLink);
}
