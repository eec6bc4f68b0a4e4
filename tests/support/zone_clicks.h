#pragma once

#include "app/main_form.h"

// A press in the middle of a zone of the open menu screen, as the mouse would make it.
inline void ClickZone(TfmMain& form, const TRect& zone) {
  const TPlace middle = MiddleOf(zone);
  form.DXDrawMenuMouseDown(TMouseButton::mbLeft, middle.X, middle.Y);
}

// The last row and column of a zone, the edges a test probes from inside.
constexpr int Right(const TRect& zone) { return zone.Left + zone.Width - 1; }
constexpr int Bottom(const TRect& zone) { return zone.Top + zone.Height - 1; }
