// The menu overlay of the main window: which screen is open on it and what reaches that screen.
#include "app/main_form.h"

void TfmMain::SetScreen(TScreenKind kind) {
  const bool wasOpen = FOpenScreen != nullptr;
  FOpenScreen = Screens->Of(kind);
  if (FOpenScreen == nullptr) {
    MenuButtons->Clear();
    MenuVisible = false;
    // The menus load games and change players and rules outside the turns.
    if (wasOpen) Autosave.Keep(*Game);
    return;
  }
  MenuBounds = FOpenScreen->Bounds();
  DXDrawMenu.SetSize(MenuBounds.Width, MenuBounds.Height);
  MenuVisible = true;
  FOpenScreen->Open();
  // A keyboard player keeps the ring from screen to screen.
  if (FOpenScreen && MenuFocus.Restart(FOpenScreen->FocusStops())) FOpenScreen->FocusMoved(MenuFocus.Index());
}

TScreenKind TfmMain::CurrentScreen() const { return FOpenScreen ? FOpenScreen->Kind() : TScreenKind::skTable; }

void TfmMain::MenuStep() {
  if (FOpenScreen) FOpenScreen->Step();
}

void TfmMain::PaintMenu() {
  // Only when the overlay can be drawn on.
  if (!FOpenScreen || !MenuVisible || DXDrawMenu.Width() == 0) return;
  FOpenScreen->Paint(DXDrawMenu);
  if (MenuFocus.Shown()) MenuFocus.Paint(DXDrawMenu, FOpenScreen->FocusStops());
}

void TfmMain::DXDrawMenuMouseDown(TMouseButton, int x, int y) {
  if (!FOpenScreen) return;
  // The stops as they were under the mouse, before the press changes them.
  const std::vector<TFocusStop> stops = FOpenScreen->FocusStops();
  FOpenScreen->MouseDown(x, y);
  MenuFocus.MouseDown(x, y, stops);
}

void TfmMain::MenuKeyDown(int key) {
  const std::vector<TFocusStop> stops = FOpenScreen->FocusStops();
  const TFocusRing::TKeyAction action = MenuFocus.KeyDown(key, stops);
  if (action == TFocusRing::TKeyAction::Moved) FOpenScreen->FocusMoved(MenuFocus.Index());
  if (action == TFocusRing::TKeyAction::Press) FOpenScreen->PressStop(MenuFocus.Index(), stops[MenuFocus.Index()]);
}

void TfmMain::DXDrawMenuMouseMove(int x, int y) {
  if (FOpenScreen) FOpenScreen->MouseMove(x, y);
}

// Typing reaches the open screen's field that has the caret; elsewhere it is ignored.
void TfmMain::FormKeyPress(std::uint8_t key) {
  if (FOpenScreen) FOpenScreen->KeyPress(key);
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
