#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "gfx/button_collection.h"
#include "platform/file_dialog.h"
#include "platform/focus_ring.h"
#include "platform/surface.h"
#include "platform/window_events.h"

class TLettersCollection;
class TSurfaceSortCollection;

// The open and save dialog drawn in the game's window with the game's own buttons and font,
// for desktops without zenity or kdialog: the folder's files of the wanted extension, a name
// field, OK and Cancel. Saving over an existing file asks for a second OK. The keyboard moves a
// focus ring over the name field, the list, the list's arrows, OK and Cancel; the name field
// takes the typing unless the ring is shown elsewhere.
class TInGameFileDialog final : public IFileDialog, private IWindowEvents {
public:
  static constexpr int Width = 380;
  static constexpr int Height = 300;
  static constexpr int VisibleRows = 9;
  static constexpr std::size_t MaxNameLength = 40;

  TInGameFileDialog(TGameWindow& window, const TSurfaceSortCollection& sprites, const TLettersCollection& letters);
  std::optional<std::string> Run(const TFileDialogRequest& request, const TKeepPainted& keepPainted) override;

  // The dialog's state machine, driven by Run and by tests. Coordinates are the dialog's own.
  void Open(const TFileDialogRequest& request);
  void Press(int x, int y);
  void Type(std::uint8_t code);  // Windows-1251; 8 Backspace, 13 Enter, 27 Esc
  // A key (the Vk codes): Esc cancels; Tab, Shift+Tab and the arrows move the focus ring, Up and
  // Down in the list move its selection instead; Enter and Space press the focused stop.
  void Key(int virtualKey);
  // Counts the buttons' pressed looks down and acts on their clicks.
  void Step();
  void Draw(TSurface& target) const;
  bool Finished() const { return FFinished; }
  // The chosen path once finished with OK.
  const std::optional<std::string>& Result() const { return FResult; }
  const std::vector<std::string>& Files() const { return FFiles; }  // Windows-1251 names
  const std::string& Name() const { return FName; }
  int FirstRow() const { return FFirstRow; }
  // The stops in the ring's order: the name field, the list, UP, DOWN, BT_OK, BT_CANCEL.
  std::vector<TFocusStop> FocusStops() const;
  const TFocusRing& Focus() const { return FFocus; }

private:
  void KeyDown(int virtualKey) override { Key(virtualKey); }
  void KeyPress(std::uint8_t code) override { Type(code); }
  void MouseDown(TMouseButton button, int x, int y) override;
  void MouseMove(int, int) override {}
  // Cancels; the request goes back to the window once the dialog is gone.
  void CloseRequested() override;

  void Confirm();
  void Finish(std::optional<std::string> result);
  void Scroll(int rows);
  // Enter or Space on stop `index`: a button is pressed as by a click, the list confirms.
  void PressStop(int index);
  // Up or Down in the list: the next or the previous file becomes the name, scrolled into view.
  void MoveSelection(int step);
  bool NameHasTyping() const;

  TGameWindow& FWindow;
  const TLettersCollection& FLetters;
  TSefraButtonCollection FButtons;
  TFileDialogRequest FRequest;
  std::vector<std::string> FFiles;
  std::string FName;
  int FFirstRow = 0;
  bool FOverwriteAsked = false;
  bool FFinished = false;
  bool FCloseRequested = false;
  TFocusRing FFocus;
  std::optional<std::string> FResult;
  TSurface FPanel;
};

// zenity when installed, else kdialog, else the in-game dialog.
std::unique_ptr<IFileDialog> MakeDesktopFileDialog(TGameWindow& window, const TSurfaceSortCollection& sprites,
                                                   const TLettersCollection& letters);
