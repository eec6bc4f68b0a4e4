#pragma once

#include <span>

#include "base/rect.h"
#include "dice/zarnik.h"
#include "platform/letterbox.h"
#include "platform/present_gate.h"

class TGame;
class TGameWindow;
class TGlCanvas;

// The 3D view of the throw in the main window's panel: drawn off screen at the scaled panel's
// real size and laid into the frame being composed. A panel without dice is black and needs no
// OpenGL.
class TDiceView {
public:
  // `panel` in picture pixels from the top left of a picture `windowHeight` high, shown at
  // its own size until Place says otherwise.
  TDiceView(TRect panel, int windowHeight);

  // Where the window shows the picture: the dice are drawn at the scaled panel's real size.
  void Place(const TLetterbox& box) { FBox = box; }
  // Draws the throw dice into the window's panel. False, with nothing drawn, when the dice
  // needed OpenGL and the canvas could not draw (a lost context draws again next time).
  bool Paint(const TGame& game, TGlCanvas& canvas, TGameWindow& window) const;
  // What Paint would draw for `game`, wherever the window lays the panel.
  void AddToKey(const TGame& game, TFrameKey& key) const;

private:
  // The panel in the drawable's real pixels.
  TRect RealPanel() const;
  std::span<const TZarnik> ShownDice(const TGame& game) const;

  TRect FPanel;
  TLetterbox FBox;
};
