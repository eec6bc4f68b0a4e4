#pragma once

class TZarnik;

// The die: a bevelled cube spanning -1..1 with octagonal pips, flat-shaded, drawn in
// immediate mode in the current matrix: six faces, twelve edges, eight corners, 21 pips,
// each group in its colour of `die`.
void DrawDieMesh(const TZarnik& die);
