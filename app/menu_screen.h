#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "app/screen_kind.h"
#include "app/screen_zone.h"
#include "platform/focus_ring.h"
#include "platform/surface.h"

class ILinkOpener;
class IMessageBox;
class ISession;
class TGame;
class TLettersCollection;
class TNetTableLoop;
class TSefraButtonCollection;
class TSurfaceSortCollection;
struct TFileDialogRequest;

// What the main window does for its menu screens.
class IScreenHost {
public:
  // Opens another screen; skTable closes the overlay.
  virtual void SetScreen(TScreenKind screen) = 0;
  // Runs a file dialog with the window kept painted; empty when cancelled.
  virtual std::string RunFileDialog(const TFileDialogRequest& request) = 0;
  // The loop and the session of the moment: another session may be put in place meanwhile.
  virtual TNetTableLoop& TableLoop() = 0;
  virtual ISession& NetSession() = 0;

protected:
  ~IScreenHost() = default;
};

// What a menu screen works with. The buttons are the overlay's: a screen fills them when it
// opens.
struct TScreenContext {
  TGame& Game;
  IScreenHost& Host;
  IMessageBox& Messages;
  ILinkOpener& Links;
  const TSurfaceSortCollection& Sprites;
  const TLettersCollection& Letters;
  TSefraButtonCollection& Buttons;
  const std::string& DialogFolder;  // where the file dialogs open
};

// A screen of the menu overlay. It keeps its state between openings; the window holds only
// which one is open.
class IMenuScreen {
public:
  virtual ~IMenuScreen() = default;
  virtual TScreenKind Kind() const = 0;
  // The overlay's place in the window while this screen is open.
  virtual TRect Bounds() const = 0;
  // Fills the overlay's buttons for this screen; may open another screen instead.
  virtual void Open() = 0;
  // Runs first in every table step while the screen is open.
  virtual void Step() = 0;
  virtual void Paint(TSurface& overlay) = 0;
  // In the overlay's pixels. Only some screens follow the mouse or take typing.
  virtual void MouseDown(int x, int y) = 0;
  virtual void MouseMove(int /*x*/, int /*y*/) {}
  // A typed character, Windows-1251.
  virtual void KeyPress(std::uint8_t /*key*/) {}
  // Where the keyboard's focus ring goes, in its order: always as many stops, one that is
  // not there for now disabled and empty.
  virtual std::vector<TFocusStop> FocusStops() const = 0;
  // Enter or Space on the focused stop: what a press of the mouse in its middle does.
  virtual void PressStop(int /*index*/, const TFocusStop& stop) {
    const TPlace middle = MiddleOf(stop.Box);
    MouseDown(middle.X, middle.Y);
  }
  // The focus came to stop `index` from the keyboard: a text field takes the caret, the others
  // take it away.
  virtual void FocusMoved(int /*index*/) {}
};
