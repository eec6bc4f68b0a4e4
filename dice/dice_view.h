#pragma once

#include <span>

#include "base/rect.h"
#include "dice/zarnik.h"
#include "platform/letterbox.h"
#include "platform/present_gate.h"

class TGame;

// The 3D view of the throw in the main window's panel, drawn with the window's context into
// the frame being composed, in a viewport and scissor box of its own.
class TDiceView {
public:
  // `panel` in picture pixels from the top left of a picture `windowHeight` high, shown at
  // its own size until Place says otherwise.
  TDiceView(TRect panel, int windowHeight);

  // Where the window shows the picture: the dice are drawn at the scaled panel's real size.
  void Place(const TLetterbox& box) { FBox = box; }
  // Draws the throw dice into the panel, in the current context with the dice state and the
  // main camera, which it leaves in place.
  void Paint(const TGame& game) const;
  // What Paint would draw for `game`, wherever the window lays the panel.
  void AddToKey(const TGame& game, TFrameKey& key) const;

private:
  void UsePanelViewport() const;
  std::span<const TZarnik> ShownDice(const TGame& game) const;

  TRect FPanel;
  TLetterbox FBox;
};
