#include "dice/dice_view.h"

#include <algorithm>

#include "dice/dice_scene.h"
#include "dice/gl_headers.h"
#include "game/game.h"

TDiceView::TDiceView(TContextFactory makeContext, TRect panel, int windowHeight)
    : FMakeContext(std::move(makeContext)), FPanel(panel) {
  FBox.PictureHeight = FBox.DrawableHeight = windowHeight;
}

void TDiceView::UsePanelViewport() const {
  const int k = FBox.Factor;
  const int left = FBox.Left + FPanel.Left * k;
  const int bottom = FBox.DrawableHeight - (FBox.Top + (FPanel.Top + FPanel.Height) * k);
  glViewport(left, bottom, FPanel.Width * k, FPanel.Height * k);
  glScissor(left, bottom, FPanel.Width * k, FPanel.Height * k);
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
