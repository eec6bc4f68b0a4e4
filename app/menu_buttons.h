#pragma once

#include <span>
#include <vector>

#include "gfx/button_collection.h"
#include "gfx/widget.h"
#include "platform/focus_ring.h"

class TSurfaceSortCollection;

// One push button of a menu screen: its name, its three looks "normal|pressed|disabled",
// its place in the overlay and the state it is created in.
struct TMenuButtonPlace {
  const char* Name;
  const char* Images;
  int Left;
  int Top;
  TWidgetState State = TWidgetState::wsNormal;
};

// Empties `buttons` and fills it from `places`; "BT_CLOSE" takes the close box's mask, the
// others the common one.
void BuildMenuButtons(TSefraButtonCollection& buttons, std::span<const TMenuButtonPlace> places,
                      const TSurfaceSortCollection* sprites);

// A press on the overlay's button under (x, y), when a normal one is there: its pressed look
// starts and its action follows when the look ends. True when a button took the press.
bool PressButtonAt(TSefraButtonCollection& buttons, int x, int y);

// The focus ring's stops of the buttons of `places`, in that order: each round its picture,
// passed over while disabled.
void AddButtonStops(std::vector<TFocusStop>& stops, const TSefraButtonCollection& buttons,
                    std::span<const TMenuButtonPlace> places);
