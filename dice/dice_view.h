#pragma once

#include <functional>
#include <memory>

#include "platform/gl_context.h"
#include "platform/surface.h"

class TGame;

// The 3D view of the throw in the main window's panel: its own rendering context on the
// window, drawing with its own viewport and scissor box over the composed frame. A context
// that cannot be made current at a paint is taken as lost and rebuilt; that paint shows no
// dice and the next one draws again.
class TDiceView {
public:
  using TContextFactory = std::function<std::unique_ptr<IGlContext>()>;

  // `panel` in client pixels from the top left; `windowHeight` turns it into GL coordinates.
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

  // Draws the throw dice into the panel; false when nothing was drawn (no context, or a lost
  // one rebuilt). Leaves the context current.
  bool Paint(const TGame& game);

  bool HasContext() const { return FContext != nullptr; }
  // How often a lost context was rebuilt.
  int Rebuilds() const { return FRebuilds; }

private:
  void UsePanelViewport() const;

  TContextFactory FMakeContext;
  TRect FPanel;
  int FPanelBottom;  // the panel's lower edge counted from the window's bottom
  std::unique_ptr<IGlContext> FContext;
  int FRebuilds = 0;
};
