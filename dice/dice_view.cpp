#include "dice/dice_view.h"

#include <algorithm>

#include "dice/dice_scene.h"
#include "game/game.h"
#include "platform/gl_canvas.h"
#include "platform/window.h"

TDiceView::TDiceView(TRect panel, int windowHeight) : FPanel(panel) {
  FBox.PictureHeight = FBox.DrawableHeight = windowHeight;
}

TRect TDiceView::RealPanel() const {
  const int k = FBox.Factor;
  return {FBox.Left + FPanel.Left * k, FBox.Top + FPanel.Top * k, FPanel.Width * k, FPanel.Height * k};
}

bool TDiceView::Paint(const TGame& game, TGlCanvas& canvas, TGameWindow& window) const {
  const TRect panel = RealPanel();
  const std::span<const TZarnik> dice = ShownDice(game);
  if (dice.empty()) {
    window.FillReal(panel, 0);
    return true;
  }
  if (!canvas.BeginTarget(panel.Width, panel.Height)) return false;
  SetDiceState();
  LoadMainCamera();
  DrawDiceScene(dice);
  window.DrawRealPixels(canvas.ReadTarget(), panel.Left, panel.Top);
  return true;
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
