#pragma once

#include <functional>
#include <span>
#include <string>

#include "dice/zarnik.h"

class TGlCanvas;
class TSurfaceSortCollection;

inline constexpr int DieSpriteFrames = 45;       // one full turn in steps of 8 degrees
inline constexpr int DieSpriteFrameDegrees = 8;

// The sprite of a row die: "face_frame" with the frame from its angle about the vertical.
std::string DieSpriteName(int face, int frame);
int DieSpriteFrame(const TZarnik& die);

// Renders the die sprite sheet "1_0" ... "6_44" (66 x 88 each) into `sprites`, which is
// emptied first: row die 0 stands on each face in turn and turns 8 degrees per frame, drawn
// off screen on the canvas. `pump` runs after every fifth frame and may draw with the canvas
// for itself. False, with `sprites` left empty, when the canvas cannot draw or is lost.
bool RenderDieSprites(TGlCanvas& canvas, std::span<TZarnik> rowDice, TSurfaceSortCollection& sprites,
                      const std::function<void()>& pump = {});
