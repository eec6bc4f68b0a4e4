// The focus ring alone: how the keys and the mouse move it over a row of stops, and what it draws.
#include "platform/focus_ring.h"

#include <gtest/gtest.h>

#include <vector>

#include "platform/surface.h"
#include "platform/window_events.h"

namespace {

using TAction = TFocusRing::TKeyAction;
using enum TFocusRing::TKeyAction;

// A enabled, B disabled, C enabled, D a text field, E enabled.
const std::vector<TFocusStop> kStops{
    {{10, 10, 20, 10}},
    {{10, 30, 20, 10}, false},
    {{10, 50, 20, 10}},
    {{40, 10, 50, 10}, true, true},
    {{40, 30, 20, 10}},
};

TEST(FocusRing, KeysMoveOverTheEnabledStopsRoundTheEndsAndPressOnlyWhileShown) {
  struct TCase {
    const char* Name;
    std::vector<int> Keys;
    int Index;
    bool Shown;
    TAction Last;
  };
  const std::vector<TCase> cases{
      {"nothing yet", {}, -1, false, None},
      {"Enter before the ring shows", {VkEnter}, -1, false, None},
      {"Space before the ring shows", {VkSpace}, -1, false, None},
      {"a key of no use", {VkF2}, -1, false, None},
      {"Tab shows the ring on the first", {VkTab}, 0, true, Moved},
      {"a disabled stop is passed over", {VkTab, VkTab}, 2, true, Moved},
      {"to the last", {VkTab, VkTab, VkTab, VkTab}, 4, true, Moved},
      {"Tab wraps to the first", {VkTab, VkTab, VkTab, VkTab, VkTab}, 0, true, Moved},
      {"Shift+Tab first goes to the last", {VkShiftTab}, 4, true, Moved},
      {"Shift+Tab wraps back", {VkTab, VkShiftTab}, 4, true, Moved},
      {"Shift+Tab passes the disabled one", {VkTab, VkTab, VkShiftTab}, 0, true, Moved},
      {"Down and Right go on", {VkDown, VkRight}, 2, true, Moved},
      {"Up and Left go back", {VkUp, VkLeft}, 3, true, Moved},
      {"Enter presses", {VkTab, VkEnter}, 0, true, Press},
      {"Space presses", {VkTab, VkTab, VkSpace}, 2, true, Press},
      {"Enter in a text field is its typing", {VkShiftTab, VkShiftTab, VkEnter}, 3, true, None},
      {"Space in a text field is its typing", {VkUp, VkUp, VkSpace}, 3, true, None},
  };
  for (const TCase& c : cases) {
    TFocusRing ring;
    TAction last = None;
    for (const int key : c.Keys) last = ring.KeyDown(key, kStops);
    EXPECT_EQ(ring.Index(), c.Index) << c.Name;
    EXPECT_EQ(ring.Shown(), c.Shown) << c.Name;
    EXPECT_EQ(last, c.Last) << c.Name;
  }
}

TEST(FocusRing, WithNoEnabledStopItGoesNowhere) {
  const std::vector<TFocusStop> stops{{{0, 0, 5, 5}, false}, {{}, false}};
  TFocusRing ring;
  EXPECT_EQ(ring.KeyDown(VkTab, stops), None);
  EXPECT_EQ(ring.KeyDown(VkShiftTab, stops), None);
  EXPECT_EQ(ring.KeyDown(VkEnter, stops), None);
  EXPECT_EQ(ring.Index(), -1);
  EXPECT_EQ(ring.KeyDown(VkTab, std::vector<TFocusStop>{}), None);
}

TEST(FocusRing, AMousePressHidesTheRingAndFocusesTheEnabledStopUnderIt) {
  struct TCase {
    const char* Name;
    int X;
    int Y;
    int Index;  // after the press, the ring having been on the first stop
    int NextIndex;  // after a Tab that follows
  };
  const std::vector<TCase> cases{
      {"an enabled stop", 15, 55, 2, 3},
      {"its top left corner counts", 10, 50, 2, 3},
      {"past its right edge", 30, 55, 0, 2},
      {"a disabled stop keeps the focus where it was", 15, 35, 0, 2},
      {"nothing there", 100, 100, 0, 2},
  };
  for (const TCase& c : cases) {
    TFocusRing ring;
    ring.KeyDown(VkTab, kStops);
    ring.MouseDown(c.X, c.Y, kStops);
    EXPECT_FALSE(ring.Shown()) << c.Name;
    EXPECT_EQ(ring.Index(), c.Index) << c.Name;
    EXPECT_EQ(ring.KeyDown(VkEnter, kStops), None) << c.Name << ": hidden, Enter is not taken";
    ring.KeyDown(VkTab, kStops);
    EXPECT_EQ(ring.Index(), c.NextIndex) << c.Name;
  }
}

TEST(FocusRing, AnotherScreenStartsAShownRingOnItsFirstEnabledStopAndAHiddenOneBeforeIt) {
  const std::vector<TFocusStop> next{{{0, 0, 5, 5}, false}, {{0, 10, 5, 5}}, {{0, 20, 5, 5}}};
  TFocusRing hidden;
  hidden.MouseDown(12, 52, kStops);
  EXPECT_FALSE(hidden.Restart(next));
  EXPECT_EQ(hidden.Index(), -1);
  EXPECT_FALSE(hidden.Shown());

  TFocusRing shown;
  shown.KeyDown(VkShiftTab, kStops);
  EXPECT_TRUE(shown.Restart(next));
  EXPECT_EQ(shown.Index(), 1);
  EXPECT_TRUE(shown.Shown());
}

TEST(FocusRing, DrawsOnePixelOutsideTheFocusedStopOnlyWhileShown) {
  const std::uint32_t kBack = 0x102030;
  TSurface overlay;
  ASSERT_TRUE(overlay.SetSize(100, 80));
  const auto count = [&overlay] {
    int ring = 0;
    for (int y = 0; y < overlay.Height(); ++y)
      for (int x = 0; x < overlay.Width(); ++x) ring += overlay.Pixel(x, y) == TFocusRing::Color ? 1 : 0;
    return ring;
  };
  TFocusRing ring;
  overlay.Fill(kBack);
  ring.Paint(overlay, kStops);
  EXPECT_EQ(count(), 0) << "hidden";

  ring.KeyDown(VkTab, kStops);
  ring.KeyDown(VkTab, kStops);  // the stop at (10, 50), 20 x 10
  ring.Paint(overlay, kStops);
  const int gap = TFocusRing::Gap;
  const TRect outline{10 - gap - 1, 50 - gap - 1, 20 + 2 * gap + 2, 10 + 2 * gap + 2};
  EXPECT_EQ(count(), 2 * outline.Width + 2 * outline.Height - 4);
  for (const auto& [x, y] : std::vector<std::pair<int, int>>{
           {outline.Left, outline.Top},
           {outline.Left + outline.Width - 1, outline.Top + outline.Height - 1},
           {outline.Left + 7, outline.Top},
           {outline.Left, outline.Top + 5}})
    EXPECT_EQ(overlay.Pixel(x, y), TFocusRing::Color) << x << "," << y;
  // The stop itself and the gap round it stay as they were.
  for (int y = 50 - gap; y < 60 + gap; ++y)
    for (int x = 10 - gap; x < 30 + gap; ++x) ASSERT_EQ(overlay.Pixel(x, y), kBack) << x << "," << y;

  // An absent stop (empty box) draws nothing, even when focused.
  const std::vector<TFocusStop> absent{{{}, true}};
  TFocusRing onAbsent;
  onAbsent.KeyDown(VkTab, absent);
  overlay.Fill(kBack);
  onAbsent.Paint(overlay, absent);
  EXPECT_EQ(count(), 0);
}

}  // namespace
