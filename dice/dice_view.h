#pragma once

#include <functional>
#include <memory>
#include <span>

#include "dice/zarnik.h"
#include "platform/gl_context.h"
#include "platform/letterbox.h"
#include "platform/present_gate.h"
#include "platform/surface.h"

class TGame;

// The 3D view of the throw in the main window's panel: its own rendering context on the
// window, drawing with its own viewport and scissor box over the composed frame. A context
// that cannot be made current at a paint is taken as lost and rebuilt; that paint shows no
// dice and the next one draws again.
class TDiceView {
public:
  using TContextFactory = std::function<std::unique_ptr<IGlContext>()>;

  // `panel` in picture pixels from the top left of a picture `windowHeight` high, shown at
  // its own size until Place says otherwise.
  TDiceView(TContextFactory makeContext, TRect panel, int windowHeight);
  ~TDiceView() { ReleaseDiceContext(); }
  TDiceView(const TDiceView&) = delete;
  TDiceView& operator=(const TDiceView&) = delete;

  // A new context with the dice state and the main camera; leaves no context current.
  void CreateDiceContext();
  // Makes the context current with the panel's viewport and the main camera.
  bool SetDiceCamera();
  // Makes no context current and deletes the context.
  void ReleaseDiceContext();

  // Where the window shows the picture: the dice are drawn at the scaled panel's real size.
  void Place(const TLetterbox& box) { FBox = box; }
  // Draws the throw dice into the panel; false when nothing was drawn (no context, or a lost
  // one rebuilt). Leaves the context current.
  bool Paint(const TGame& game);
  // What Paint would draw for `game`, wherever the window lays the panel.
  void AddToKey(const TGame& game, TFrameKey& key) const;

  bool HasContext() const { return FContext != nullptr; }
  // How often a lost context was rebuilt.
  int Rebuilds() const { return FRebuilds; }

private:
  void UsePanelViewport() const;
  std::span<const TZarnik> ShownDice(const TGame& game) const;

  TContextFactory FMakeContext;
  TRect FPanel;
  TLetterbox FBox;
  std::unique_ptr<IGlContext> FContext;
  int FRebuilds = 0;
};
