#pragma once

#include "app/screen_zone.h"

// The table screen's places, in the window's pixels.
struct TTableZones {
  // The banner strip at the foot of the table: a press there opens the shown banner's link.
  // The banner is drawn with its left edge on the strip's, centred on its middle line.
  static constexpr TRect BannerStrip{22, 357, 469, 61};
  // The table buttons' top left corners; the buttons take presses where their mask shows.
  static constexpr TPlace ThrowButton{392, 318};
  static constexpr TPlace RecordButton{494, 318};
  static constexpr TPlace StartButton{494, 357};
  static constexpr TPlace MenuButton{494, 389};
};
