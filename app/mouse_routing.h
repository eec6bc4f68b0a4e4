#pragma once

#include <cstdint>

#include "platform/surface.h"

// Where a mouse event on the window belongs: the visible menu overlay lies on top and takes
// events in its own pixels; the 3D panel was a window of its own and swallows presses; the
// table surface takes the rest.
enum class TMouseTarget : std::uint8_t { mtTable, mtMenu, mtNone };

struct TRoutedMouse {
  TMouseTarget Target;
  int X;  // in the target's own pixels
  int Y;
};

TRoutedMouse RouteMouse(int x, int y, bool menuVisible, const TRect& menuBounds, const TRect& diePanel);
