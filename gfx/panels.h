#pragma once

#include <string>

class TSurface;
class TSurfaceSortCollection;

// Draws the sprites `left` and `right` so that they meet at the vertical line x, centred on y,
// and shrink toward it as |position| grows from 0 (whole) to steps (gone). Black and the
// panels' own transparent pixels are left out; a panel that is not found is not drawn.
void DrawPanels(TSurface& target, const TSurfaceSortCollection& sprites, int x, int y, int position, int steps,
                const std::string& left, const std::string& right);
