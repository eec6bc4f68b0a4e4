#pragma once

#include <string>

#include "app/main_form.h"

// Presses a table button of the window where its mask has a visible pixel, as the mouse
// would; false when the button is missing or not in its normal state.
inline bool PressTableButton(TfmMain& form, const std::string& name) {
  const TSefraDXButton* button = form.TableButtons.FindButton(name);
  const TSurface* mask = form.Sprites.FindSurface("BT_MASK");
  const TTableButton* state = form.Game->Buttons().Find(name);
  if (!button || !mask || state->State() != TButtonState::Normal) return false;
  for (int y = mask->Height() / 2; y < mask->Height(); ++y)
    for (int x = mask->Width() / 2; x < mask->Width(); ++x)
      if (mask->Pixel(x, y) != 0) {
        form.DXDrawMouseDown(TMouseButton::mbLeft, button->Left() + x, button->Top() + y);
        return state->State() == TButtonState::Pressed;
      }
  return false;
}

// Nothing rolls, no turn is passing and the score table shows every score.
inline bool GameAtRest(const TfmMain& form) {
  const TGame& game = *form.Game;
  if (game.ThrowPending() || game.PassDelay() != 0 || game.DiceMoving()) return false;
  for (int i = 0; i < game.Players().Count(); ++i)
    if (game.Players().Player(i).FScoreDelta != 0) return false;
  return true;
}

// The current player's move by a simple rule: bank as soon as the rules let, else throw.
// Only on the machine where that player was added; false when nothing could be pressed.
inline bool PressForLocalPlayer(TfmMain& form) {
  const TGame& game = *form.Game;
  if (game.CurrentPlayerIndex() < 0 || game.CurrentPlayerIndex() >= game.Players().Count()) return false;
  if (!game.Players().Player(game.CurrentPlayerIndex()).FLocal) return false;
  if (game.TurnScore() > 0 && PressTableButton(form, "BT_CANCEL")) return true;
  return PressTableButton(form, "BT_DO");
}

// The score table's rows of the last composed frame.
inline TImage ScoreRows(const TImage& frame) {
  constexpr int kLeft = 336, kTop = 52, kWidth = 256, kHeight = 29 * 6;
  TImage rows;
  rows.Width = kWidth;
  rows.Height = kHeight;
  for (int y = kTop; y < kTop + kHeight; ++y)
    for (int x = kLeft; x < kLeft + kWidth; ++x) rows.Pixels.push_back(frame.Pixel(x, y));
  return rows;
}
