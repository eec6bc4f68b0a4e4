#include "dice/dice_view.h"

#include <algorithm>

#include "dice/dice_scene.h"
#include "dice/gl_headers.h"
#include "game/game.h"

TDiceView::TDiceView(TRect panel, int windowHeight) : FPanel(panel) {
  FBox.PictureHeight = FBox.DrawableHeight = windowHeight;
}

void TDiceView::UsePanelViewport() const {
  const int k = FBox.Factor;
  const int left = FBox.Left + FPanel.Left * k;
  const int bottom = FBox.DrawableHeight - (FBox.Top + (FPanel.Top + FPanel.Height) * k);
  glViewport(left, bottom, FPanel.Width * k, FPanel.Height * k);
  glScissor(left, bottom, FPanel.Width * k, FPanel.Height * k);
}

void TDiceView::Paint(const TGame& game) const {
  UsePanelViewport();
  // The 2D work in the same context changed the clear colour and the enables.
  SetDiceState();
  LoadMainCamera();
  // The panel shares the window's back buffer: the clear must stay inside it.
  glEnable(GL_SCISSOR_TEST);
  DrawDiceScene(ShownDice(game));
  glDisable(GL_SCISSOR_TEST);
}

std::span<const TZarnik> TDiceView::ShownDice(const TGame& game) const {
  const int count = std::clamp(game.ThrowCount(), 0, TGame::DiceCount);
  return std::span(game.ThrowDice()).first(static_cast<std::size_t>(count));
}

void TDiceView::AddToKey(const TGame& game, TFrameKey& key) const {
  for (const TZarnik& die : ShownDice(game)) {
    for (const float value : {die.PosX, die.Height, die.PosZ, die.AngleX, die.AngleY, die.AngleZ}) key.Add(value);
    for (const TZarnik::TColor* color :
         {&die.LightPosition, &die.LightAmbient, &die.BodyColor, &die.FloorColor, &die.EdgeColor, &die.PipColor})
      for (const float value : *color) key.Add(value);
  }
}
