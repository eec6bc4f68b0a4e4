// Opening the menu screens on the overlay, and what every screen shares: the refresh, the
// step and paint dispatch, and the mouse on the overlay.
#include "app/main_form.h"
#include "base/cp1251.h"
#include "platform/link_opener.h"
#include "platform/message_box.h"

namespace {

// The overlay's place relative to the centre of the client area, and its size.
struct TOverlayGeometry {
  int FromCentreX;
  int FromCentreY;
  int Width;
  int Height;
};

constexpr TOverlayGeometry kMainMenuGeometry{-155, -205, 310, 363};
constexpr TOverlayGeometry kPlayersGeometry{-191, -205, 382, 400};
constexpr TOverlayGeometry kOptionsGeometry{-191, -180, 382, 345};
constexpr TOverlayGeometry kNetworkGeometry{-190, -68, 379, 135};

}  // namespace

void TfmMain::SetScreen(TScreenKind screen) {
  CurrentScreen = screen;
  if (screen == TScreenKind::skTable) {
    MenuButtons->Clear();
    MenuVisible = false;
    return;
  }
  const auto open = [this](const TOverlayGeometry& geometry) {
    MenuBounds = {ClientWidth / 2 + geometry.FromCentreX, ClientHeight / 2 + geometry.FromCentreY, geometry.Width,
                  geometry.Height};
    DXDrawMenu.SetSize(geometry.Width, geometry.Height);
    MenuVisible = true;
    CaretPhase = -1;
  };
  switch (screen) {
    case TScreenKind::skMainMenu:
      open(kMainMenuGeometry);
      BuildMainMenu();
      RefreshMenuButtons();
      break;
    case TScreenKind::skPlayers:
      open(kPlayersGeometry);
      BuildPlayersScreen();
      RefreshMenuButtons();
      break;
    case TScreenKind::skOptions:
      open(kOptionsGeometry);
      OpenOptionsEditor();
      break;
    case TScreenKind::skNetwork:
      // Only with a TCP/IP provider (menu_network.cpp); without one the main menu stays.
      if (!FindNetProvider()) {
        SetScreen(TScreenKind::skMainMenu);
        FServices.Messages.Show(Cp1251("Отсутствует необходимый протокол TCP/IP"));
        return;
      }
      open(kNetworkGeometry);
      OpenNetworkScreen();
      break;
    case TScreenKind::skTable:
      break;
  }
}

void TfmMain::RefreshMenuButtons() {
  if (CurrentScreen == TScreenKind::skMainMenu) RefreshMainMenu();
  if (CurrentScreen == TScreenKind::skPlayers) RefreshPlayersScreen();
  if (CurrentScreen == TScreenKind::skOptions) RefreshOptionsEditor();
}

void TfmMain::MenuStep() {
  if (CurrentScreen == TScreenKind::skMainMenu) MainMenuStep();
  if (CurrentScreen == TScreenKind::skPlayers) PlayersStep();
  if (CurrentScreen == TScreenKind::skOptions) OptionsStep();
  if (CurrentScreen == TScreenKind::skNetwork) NetworkScreenStep();
}

void TfmMain::PaintMenu() {
  // Only when the overlay can be drawn on.
  if (!MenuVisible || DXDrawMenu.Width() == 0) return;
  if (CurrentScreen == TScreenKind::skMainMenu) PaintMainMenu();
  if (CurrentScreen == TScreenKind::skPlayers) PaintPlayers();
  if (CurrentScreen == TScreenKind::skOptions) PaintOptions();
  if (CurrentScreen == TScreenKind::skNetwork) DrawNetworkScreen();
}

void TfmMain::DXDrawMenuMouseDown(TMouseButton, int x, int y) {
  if (TSefraDXButton* button = MenuButtons->GetButton(MenuButtons->MouseDown(x, y, 0, 0))) {
    button->Press();
    CaretPhase = -1;
    return;
  }
  switch (CurrentScreen) {
    case TScreenKind::skMainMenu:
      OpenHoveredLink();
      break;
    case TScreenKind::skPlayers:
      PlayersMouseDown(x, y);
      break;
    case TScreenKind::skOptions:
      if (Game->RulesEditable()) OptionControls->MouseDown(x, y, 0, 0);
      break;
    case TScreenKind::skNetwork:
      if (x >= 9 && x <= 254 && y >= 37 && y <= 82) CaretPhase = 0;
      break;
    case TScreenKind::skTable:
      break;
  }
}

void TfmMain::DXDrawMenuMouseMove(int, int y) {
  if (CurrentScreen != TScreenKind::skMainMenu) return;
  HoverLink = 0;
  if (y >= 294 && y <= 312) HoverLink = 2;
  if (y >= 314 && y <= 320) HoverLink = 1;
}

std::string TfmMain::RunFileDialog(const TFileDialogRequest& request) {
  if (!FileDialogs) return {};
  // Only the paint goes on while the dialog is open; the tick waits for it.
  const std::optional<std::string> file = FileDialogs->Run(request, [this](const TDrawOver& drawOver) {
    FDrawOver = drawOver;
    FormPaint();
    FDrawOver = nullptr;
  });
  return file.value_or(std::string());
}
