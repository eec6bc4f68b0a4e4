#include "gfx/panels.h"

#include <cstdlib>

#include "gfx/round_half_even.h"
#include "gfx/surface_collection.h"
#include "platform/surface.h"

namespace {

// The share of each panel that has slid away: 0 whole, 1 or more gone. Without steps a
// panel is either whole (position 0) or gone.
double ClosedShare(int position, int steps) {
  const double distance = std::abs(static_cast<double>(position));
  if (steps <= 0) return distance == 0 ? 0.0 : 1.0;
  return distance / steps;
}

// Draws the first `width` columns of the panel; with `endsAtX` they end at x, otherwise they
// start there. The copy through a black surface keyed on 0 also drops the panel's black pixels.
void DrawPanelPart(TSurface& target, const TSurface& panel, double closed, int x, int y, bool endsAtX) {
  const int fullWidth = panel.Width();
  const long long width = fullWidth - RoundHalfEven(closed * fullWidth);
  if (width <= 0) return;
  TSurface part;
  if (!part.SetSize(static_cast<int>(width), panel.Height())) return;
  part.Draw(0, 0, panel, true);
  target.Draw(endsAtX ? x - static_cast<int>(width) : x, y - panel.Height() / 2, part, true);
}

}  // namespace

void DrawPanels(TSurface& target, const TSurfaceSortCollection& sprites, int x, int y, int position, int steps,
                const std::string& left, const std::string& right) {
  const double closed = ClosedShare(position, steps);
  if (const TSurface* panel = sprites.FindSurface(left)) DrawPanelPart(target, *panel, closed, x, y, true);
  if (const TSurface* panel = sprites.FindSurface(right)) DrawPanelPart(target, *panel, closed, x, y, false);
}
