#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "gfx/button_collection.h"
#include "platform/file_dialog.h"
#include "platform/surface.h"
#include "platform/window_events.h"

class TLettersCollection;
class TSurfaceSortCollection;

// The open and save dialog drawn in the game's window with the game's own buttons and font,
// for desktops without zenity or kdialog: the folder's files of the wanted extension, a name
// field, OK and Cancel. Saving over an existing file asks for a second OK.
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
  // Counts the buttons' pressed looks down and acts on their clicks.
  void Step();
  void Draw(TSurface& target) const;
  bool Finished() const { return FFinished; }
  // The chosen path once finished with OK.
  const std::optional<std::string>& Result() const { return FResult; }
  const std::vector<std::string>& Files() const { return FFiles; }  // Windows-1251 names
  const std::string& Name() const { return FName; }
  int FirstRow() const { return FFirstRow; }

private:
  void KeyDown(int virtualKey) override;
  void KeyPress(std::uint8_t code) override { Type(code); }
  void MouseDown(TMouseButton button, int x, int y) override;
  void MouseMove(int, int) override {}
  // Cancels; the request goes back to the window once the dialog is gone.
  void CloseRequested() override;

  void Confirm();
  void Finish(std::optional<std::string> result);
  void Scroll(int rows);

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
  std::optional<std::string> FResult;
  TSurface FPanel;
};

// zenity when installed, else kdialog, else the in-game dialog.
std::unique_ptr<IFileDialog> MakeDesktopFileDialog(TGameWindow& window, const TSurfaceSortCollection& sprites,
                                                   const TLettersCollection& letters);
