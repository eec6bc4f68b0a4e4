#pragma once

// A rectangle in pixels, origin top left.
struct TRect {
  int Left = 0;
  int Top = 0;
  int Width = 0;
  int Height = 0;
};

// Whether (x, y) lies in `zone`: the left and top edges count, the right and bottom ones not.
constexpr bool Contains(const TRect& zone, int x, int y) {
  return x >= zone.Left && x < zone.Left + zone.Width && y >= zone.Top && y < zone.Top + zone.Height;
}
