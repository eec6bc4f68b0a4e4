#pragma once

// A rectangle in pixels, origin top left.
struct TRect {
  int Left = 0;
  int Top = 0;
  int Width = 0;
  int Height = 0;
};
