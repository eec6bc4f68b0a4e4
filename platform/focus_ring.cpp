#include "platform/focus_ring.h"

#include "platform/surface.h"
#include "platform/window_events.h"

namespace {

int StepOf(int virtualKey) {
  switch (virtualKey) {
    case VkTab:
    case VkDown:
    case VkRight: return 1;
    case VkShiftTab:
    case VkUp:
    case VkLeft: return -1;
    default: return 0;
  }
}

}  // namespace

TFocusRing::TKeyAction TFocusRing::KeyDown(int virtualKey, std::span<const TFocusStop> stops) {
  if (const int step = StepOf(virtualKey); step != 0) {
    FShown = true;
    return Move(step, stops) ? TKeyAction::Moved : TKeyAction::None;
  }
  if (virtualKey != VkEnter && virtualKey != VkSpace) return TKeyAction::None;
  if (!FShown || FIndex < 0 || FIndex >= static_cast<int>(stops.size())) return TKeyAction::None;
  const TFocusStop& stop = stops[FIndex];
  return stop.Enabled && !stop.TakesTyping ? TKeyAction::Press : TKeyAction::None;
}

bool TFocusRing::Move(int step, std::span<const TFocusStop> stops) {
  const int count = static_cast<int>(stops.size());
  if (count == 0) return false;
  // From before the first stop, going back starts at the last one.
  int index = FIndex < 0 || FIndex >= count ? (step > 0 ? -1 : count) : FIndex;
  for (int tried = 0; tried < count; ++tried) {
    index = ((index + step) % count + count) % count;
    if (!stops[index].Enabled) continue;
    const bool moved = index != FIndex;
    FIndex = index;
    return moved;
  }
  return false;
}

void TFocusRing::MouseDown(int x, int y, std::span<const TFocusStop> stops) {
  FShown = false;
  for (int i = 0; i < static_cast<int>(stops.size()); ++i)
    if (stops[i].Enabled && Contains(stops[i].Box, x, y)) {
      FIndex = i;
      return;
    }
}

bool TFocusRing::Restart(std::span<const TFocusStop> stops) {
  FIndex = -1;
  return FShown && Move(1, stops);
}

void TFocusRing::Paint(TSurface& overlay, std::span<const TFocusStop> stops) const {
  if (!FShown || FIndex < 0 || FIndex >= static_cast<int>(stops.size())) return;
  const TRect& box = stops[FIndex].Box;
  if (box.Width <= 0 || box.Height <= 0) return;
  const int left = box.Left - Gap - 1;
  const int top = box.Top - Gap - 1;
  const int width = box.Width + 2 * (Gap + 1);
  const int height = box.Height + 2 * (Gap + 1);
  overlay.FillRect({left, top, width, 1}, Color);
  overlay.FillRect({left, top + height - 1, width, 1}, Color);
  overlay.FillRect({left, top, 1, height}, Color);
  overlay.FillRect({left + width - 1, top, 1, height}, Color);
}
