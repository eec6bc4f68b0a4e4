#include "app/mouse_routing.h"

#include "app/screen_zone.h"

TRoutedMouse RouteMouse(int x, int y, bool menuVisible, const TRect& menuBounds, const TRect& diePanel) {
  if (menuVisible && Contains(menuBounds, x, y)) return {TMouseTarget::mtMenu, x - menuBounds.Left, y - menuBounds.Top};
  if (Contains(diePanel, x, y)) return {TMouseTarget::mtNone, x, y};
  return {TMouseTarget::mtTable, x, y};
}
