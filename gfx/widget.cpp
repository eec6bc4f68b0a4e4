#include "gfx/widget.h"

bool TSefraDXClass::MouseDown(int x, int y) { return FVisible && FState == TWidgetState::wsNormal && InBox(x, y); }

bool TSefraDXClass::InBox(int x, int y) const {
  const long long right = static_cast<long long>(FLeft) + FWidth;
  const long long bottom = static_cast<long long>(FTop) + FHeight;
  return x >= FLeft && x < right && y >= FTop && y < bottom;
}
