#pragma once

#include <cstdint>
#include <span>

#include "base/rect.h"

class TSurface;

// One place of a drawn screen or dialog the keyboard can reach: a button, a control, a list or
// a text field.
struct TFocusStop {
  TRect Box;                 // in the picture's pixels; empty while the stop is not on the screen
  bool Enabled = true;       // a disabled or absent stop is passed over
  bool TakesTyping = false;  // a text field: Enter and Space are its typing, not a press
};

// The keyboard's focus on a drawn screen: which of the screen's stops has it, and whether the
// ring that shows it is drawn. A screen hands in its stops, always the same count in the same
// order, whenever it is asked; the ring keeps only the position in that order.
class TFocusRing {
public:
  enum class TKeyAction : std::uint8_t { None, Moved, Press };

  // Tab, Down and Right go on, Shift+Tab, Up and Left go back, round the ends and over disabled
  // stops; they also show the ring. Enter and Space press the focused stop while the ring is
  // shown.
  TKeyAction KeyDown(int virtualKey, std::span<const TFocusStop> stops);
  // A press of the mouse hides the ring; an enabled stop under it takes the focus.
  void MouseDown(int x, int y, std::span<const TFocusStop> stops);
  // Another screen opened: a shown ring goes to its first enabled stop, a hidden one starts
  // before it. True when a stop took the focus.
  bool Restart(std::span<const TFocusStop> stops);
  // The ring round the focused stop, outside its box, so that the stop's own picture stays whole.
  void Paint(TSurface& overlay, std::span<const TFocusStop> stops) const;

  bool Shown() const { return FShown; }
  // The focused stop's place in the order; -1 before the first.
  int Index() const { return FIndex; }

  static constexpr std::uint32_t Color = 0xF0C850;
  static constexpr int Gap = 1;  // between the stop's box and the ring

private:
  bool Move(int step, std::span<const TFocusStop> stops);

  int FIndex = -1;
  bool FShown = false;
};
