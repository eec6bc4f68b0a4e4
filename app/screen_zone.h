#pragma once

#include "platform/surface.h"

// Where something is drawn: a text line's left end (or its centre, for centred lines) and the
// line its letters are centred on; a picture's top left corner.
struct TPlace {
  int X;
  int Y;
};

// Whether (x, y) lies in `zone`: the left and top edges count, the right and bottom ones not.
constexpr bool Contains(const TRect& zone, int x, int y) {
  return x >= zone.Left && x < zone.Left + zone.Width && y >= zone.Top && y < zone.Top + zone.Height;
}

// The zone's middle: the line a strip's picture is centred on, the point a test presses.
constexpr TPlace MiddleOf(const TRect& zone) { return {zone.Left + zone.Width / 2, zone.Top + zone.Height / 2}; }
