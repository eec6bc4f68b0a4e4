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

bool TDiceView::Paint(const TGame& game, TGlCanvas& canvas, TGameWindow& window) {
  const TRect panel = RealPanel();
  const std::span<const TZarnik> dice = ShownDice(game);
  TFrameKey key = KeyOf(game);
  if (dice.empty()) {
    window.FillReal(panel, 0);
  } else if (key.Words() == FShownKey.Words()) {
    window.DrawRealPixels(FShown, panel.Left, panel.Top);
  } else {
    FShownKey.Clear();
    if (!canvas.BeginTarget(panel.Width, panel.Height)) return false;
    SetDiceState();
    LoadMainCamera();
    DrawDiceScene(dice);
    FShown = canvas.ReadTarget();
    window.DrawRealPixels(FShown, panel.Left, panel.Top);
  }
  FShownKey = std::move(key);
  return true;
}

bool TDiceView::Changed(const TGame& game) const { return KeyOf(game).Words() != FShownKey.Words(); }

TFrameKey TDiceView::KeyOf(const TGame& game) const {
  TFrameKey key;
  const TRect panel = RealPanel();
  key.Add(panel.Width);
  key.Add(panel.Height);
  AddToKey(game, key);
  return key;
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
