#include "app/mouse_routing.h"

namespace {

bool Inside(const TRect& rect, int x, int y) {
  return x >= rect.Left && x < rect.Left + rect.Width && y >= rect.Top && y < rect.Top + rect.Height;
}

}  // namespace

TRoutedMouse RouteMouse(int x, int y, bool menuVisible, const TRect& menuBounds, const TRect& diePanel) {
  if (menuVisible && Inside(menuBounds, x, y)) return {TMouseTarget::mtMenu, x - menuBounds.Left, y - menuBounds.Top};
  if (Inside(diePanel, x, y)) return {TMouseTarget::mtNone, x, y};
  return {TMouseTarget::mtTable, x, y};
}
