#include "dice/dice_view.h"

#include <algorithm>

#include "dice/dice_scene.h"
#include "dice/gl_headers.h"
#include "game/game.h"

TDiceView::TDiceView(TContextFactory makeContext, TRect panel, int windowHeight)
    : FMakeContext(std::move(makeContext)), FPanel(panel), FPanelBottom(windowHeight - panel.Top - panel.Height) {}

void TDiceView::UsePanelViewport() const {
  glViewport(FPanel.Left, FPanelBottom, FPanel.Width, FPanel.Height);
  glScissor(FPanel.Left, FPanelBottom, FPanel.Width, FPanel.Height);
}

void TDiceView::CreateDiceContext() {
  FContext = FMakeContext();
  if (!FContext || !FContext->MakeCurrent()) return;
  UsePanelViewport();
  SetDiceState();
  LoadMainCamera();
  TSdlGlContext::ReleaseCurrent();
}

bool TDiceView::SetDiceCamera() {
  if (!FContext || !FContext->MakeCurrent()) return false;
  UsePanelViewport();
  LoadMainCamera();
  return true;
}

void TDiceView::ReleaseDiceContext() {
  if (!FContext) return;
  TSdlGlContext::ReleaseCurrent();
  FContext.reset();
}

bool TDiceView::Paint(const TGame& game) {
  if (!FContext) return false;
  if (!FContext->MakeCurrent()) {
    ReleaseDiceContext();
    CreateDiceContext();
    ++FRebuilds;
    return false;
  }
  UsePanelViewport();
  // The panel shares the window's back buffer: the clear must stay inside it.
  glEnable(GL_SCISSOR_TEST);
  const int count = std::clamp(game.ThrowCount(), 0, TGame::DiceCount);
  DrawDiceScene(std::span(game.ThrowDice()).first(static_cast<std::size_t>(count)));
  glDisable(GL_SCISSOR_TEST);
  return true;
}
