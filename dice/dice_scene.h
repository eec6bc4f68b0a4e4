#pragma once

#include <array>
#include <span>

#include "dice/zarnik.h"

// The 3D scene of the dice in the current OpenGL context, fixed-function and immediate mode.
// The cameras load the frustum into the model-view matrix (the projection matrix stays the
// identity), so every call here works in the model-view matrix.

// Sizes of the views, in pixels.
inline constexpr int DiceViewWidth = 330;
inline constexpr int DiceViewHeight = 165;
inline constexpr int DieSpriteWidth = 66;
inline constexpr int DieSpriteHeight = 88;

// Clear colour black; colour material, smooth lines, depth test and lighting on.
void SetDiceState();
// The throw view's camera, the sprite and preview camera.
void LoadMainCamera();
void LoadSpriteCamera();

// One die lit by its own light, at its pose.
void DrawDie(const TZarnik& die);
// Its mirror image below the floor plane Y = 0, light mirrored too.
void DrawMirroredDie(const TZarnik& die);
// The translucent floor on Y = 0 in the die's floor colour.
void DrawFloor(const TZarnik& die);
// Reflection, floor, then the die: one die alone in the current viewport.
void DrawDieInViewport(const TZarnik& die);

// The dice of the current throw: reflections, the floor of the first die, the dice. Black
// when none takes part. Clears colour and depth inside the current scissor box, if any.
void DrawDiceScene(std::span<const TZarnik> throwDice);

// Clears the whole target and draws each row die that is shown and not kept into its own
// viewport and scissor box (x, 0, width, height), x growing by width from 0.
void DrawRowDice(std::span<const TZarnik> rowDice, int width, int height);

// The loading preview: row dice 2, 3 and 4 (those shown and not kept) side by side in cells
// of 66 x 88 from (left, bottom) in GL window coordinates, each turned on by its spin.
void DrawPreviewDice(std::span<TZarnik> rowDice, int left, int bottom);
