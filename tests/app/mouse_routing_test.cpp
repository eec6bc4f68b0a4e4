#include <gtest/gtest.h>

#include "app/main_form.h"
#include "app/mouse_routing.h"

namespace {

TEST(RouteMouse, OverlayOnTopThenThePanelThenTheTable) {
  const TRect menu{100, 50, 200, 150};
  const TRect panel = TfmMain::ShowPanel;  // 4, 96, 330 x 165
  struct TCase {
    int X, Y;
    bool MenuVisible;
    TMouseTarget Target;
    int LocalX, LocalY;
  };
  const TCase cases[] = {
      {0, 0, false, TMouseTarget::mtTable, 0, 0},
      {3, 96, false, TMouseTarget::mtTable, 3, 96},      // left of the panel
      {4, 96, false, TMouseTarget::mtNone, 4, 96},       // the panel's corners
      {333, 260, false, TMouseTarget::mtNone, 333, 260},
      {334, 260, false, TMouseTarget::mtTable, 334, 260},
      {4, 261, false, TMouseTarget::mtTable, 4, 261},
      {150, 100, false, TMouseTarget::mtNone, 150, 100},  // hidden overlay: the panel's
      {150, 100, true, TMouseTarget::mtMenu, 50, 50},     // the overlay covers the panel
      {100, 50, true, TMouseTarget::mtMenu, 0, 0},
      {299, 199, true, TMouseTarget::mtMenu, 199, 149},
      {300, 199, true, TMouseTarget::mtNone, 300, 199},   // right of it, still over the panel
      {450, 300, true, TMouseTarget::mtTable, 450, 300},
  };
  for (const TCase& c : cases) {
    const TRoutedMouse routed = RouteMouse(c.X, c.Y, c.MenuVisible, menu, panel);
    EXPECT_EQ(routed.Target, c.Target) << c.X << "," << c.Y << " menu " << c.MenuVisible;
    EXPECT_EQ(routed.X, c.LocalX) << c.X << "," << c.Y;
    EXPECT_EQ(routed.Y, c.LocalY) << c.X << "," << c.Y;
  }
}

}  // namespace
