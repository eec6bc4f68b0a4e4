#pragma once

#include "platform/surface.h"

// Where something is drawn: a text line's left end (or its centre, for centred lines) and the
// line its letters are centred on; a picture's top left corner.
struct TPlace {
  int X;
  int Y;
};

// The zone's middle: the line a strip's picture is centred on, the point a test presses.
constexpr TPlace MiddleOf(const TRect& zone) { return {zone.Left + zone.Width / 2, zone.Top + zone.Height / 2}; }
