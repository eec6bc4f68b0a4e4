#pragma once

#include <algorithm>

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

constexpr bool IsEmpty(const TRect& rect) { return rect.Width <= 0 || rect.Height <= 0; }

// The part both rectangles cover; empty when they do not meet.
constexpr TRect Intersection(const TRect& a, const TRect& b) {
  const int left = std::max(a.Left, b.Left);
  const int top = std::max(a.Top, b.Top);
  const int right = std::min(a.Left + a.Width, b.Left + b.Width);
  const int bottom = std::min(a.Top + a.Height, b.Top + b.Height);
  if (right <= left || bottom <= top) return {};
  return {left, top, right - left, bottom - top};
}

// The smallest rectangle holding both; an empty one adds nothing.
constexpr TRect BoundingRect(const TRect& a, const TRect& b) {
  if (IsEmpty(a)) return b;
  if (IsEmpty(b)) return a;
  const int left = std::min(a.Left, b.Left);
  const int top = std::min(a.Top, b.Top);
  return {left, top, std::max(a.Left + a.Width, b.Left + b.Width) - left,
          std::max(a.Top + a.Height, b.Top + b.Height) - top};
}
