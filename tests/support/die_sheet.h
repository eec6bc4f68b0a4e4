#pragma once

#include "dice/dice_scene.h"
#include "dice/die_sprites.h"
#include "gfx/surface_collection.h"

// Whether two die sprite sheets are both whole and hold the same sprites, pixel for pixel.
inline bool SameDieSheet(const TSurfaceSortCollection& a, const TSurfaceSortCollection& b) {
  if (a.Count() != 6 * DieSpriteFrames || b.Count() != a.Count()) return false;
  for (int face = 1; face <= 6; ++face)
    for (int frame = 0; frame < DieSpriteFrames; ++frame) {
      const TSurface* x = a.FindSurface(DieSpriteName(face, frame));
      const TSurface* y = b.FindSurface(DieSpriteName(face, frame));
      if (!x || !y || x->Width() != y->Width() || x->Height() != y->Height()) return false;
      for (int py = 0; py < x->Height(); ++py)
        for (int px = 0; px < x->Width(); ++px)
          if (x->Pixel(px, py) != y->Pixel(px, py)) return false;
    }
  return true;
}
