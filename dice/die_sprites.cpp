#include "dice/die_sprites.h"

#include <cstdio>
#include <string>

#include "dice/dice_scene.h"
#include "gfx/surface_collection.h"
#include "platform/gl_canvas.h"

std::string DieSpriteName(int face, int frame) {
  char name[24];
  std::snprintf(name, sizeof name, "%d_%d", face, frame);
  return name;
}

int DieSpriteFrame(const TZarnik& die) { return die.SpinAngle() / DieSpriteFrameDegrees; }

bool RenderDieSprites(TGlCanvas& canvas, std::span<TZarnik> rowDice, TSurfaceSortCollection& sprites,
                      const std::function<void()>& pump) {
  sprites.Clear();
  if (rowDice.empty()) return false;
  TZarnik& die = rowDice[0];
  for (int face = 1; face <= 6; ++face) {
    die.SetPose(face);
    die.Shown = true;
    die.Kept = false;
    die.SetVerticalSpin(DieSpriteFrameDegrees);
    for (int frame = 0; frame < DieSpriteFrames; ++frame) {
      // Bound again each time: the pump may have drawn with the canvas meanwhile.
      if (!canvas.BeginTarget(DieSpriteWidth, DieSpriteHeight)) {
        sprites.Clear();
        return false;
      }
      SetDiceState();
      LoadSpriteCamera();
      // The other row dice would land in viewports right of the target and be clipped away.
      DrawRowDice(rowDice.first(1), DieSpriteWidth, DieSpriteHeight);
      sprites.AddSurface(DieSpriteName(face, frame), canvas.ReadTarget());
      die.Turn();
      if (frame % 5 == 0 && pump) pump();
    }
  }
  return true;
}
