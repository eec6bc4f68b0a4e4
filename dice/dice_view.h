#pragma once

#include <span>

#include "base/image.h"
#include "base/rect.h"
#include "dice/zarnik.h"
#include "platform/letterbox.h"
#include "platform/present_gate.h"

class TGame;
class TGameWindow;
class TGlCanvas;

// The 3D view of the throw in the main window's panel: drawn off screen at the scaled panel's
// real size and laid into the frame being composed. A panel without dice is black and needs no
// OpenGL; dice that have not moved are laid again from the last drawing, so that a table drawn
// over them costs no 3D work.
class TDiceView {
public:
  // `panel` in picture pixels from the top left of a picture `windowHeight` high, shown at
  // its own size until Place says otherwise.
  TDiceView(TRect panel, int windowHeight);

  // Where the window shows the picture: the dice are drawn at the scaled panel's real size.
  void Place(const TLetterbox& box) { FBox = box; }
  // Draws the throw dice into the window's panel. False, with nothing drawn, when the dice
  // needed OpenGL and the canvas could not draw (a lost context draws again next time).
  bool Paint(const TGame& game, TGlCanvas& canvas, TGameWindow& window);
  // Whether Paint would show other dice than it showed last.
  bool Changed(const TGame& game) const;
  // What Paint would draw for `game`, wherever the window lays the panel.
  void AddToKey(const TGame& game, TFrameKey& key) const;

private:
  // The panel in the drawable's real pixels.
  TRect RealPanel() const;
  std::span<const TZarnik> ShownDice(const TGame& game) const;

  // What Paint shows for `game` now, the panel's real size included.
  TFrameKey KeyOf(const TGame& game) const;

  TRect FPanel;
  TLetterbox FBox;
  TFrameKey FShownKey;  // what the panel shows, as Paint left it
  TImage FShown;        // and its pixels, when they came from OpenGL
};
