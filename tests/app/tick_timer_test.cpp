#include <gtest/gtest.h>

#include <cstdint>

#include "app/tick_timer.h"

namespace {

TEST(TickTimer, TicksEvery15MsAndNeverCatchesUp) {
  struct TStep {
    std::uint32_t Now;
    std::uint32_t Remaining;
    bool Ticks;
  };
  // Starts at 1000. A tick 45 ms late is one tick, and the next is 15 ms after it.
  const TStep steps[] = {
      {1000, 15, false}, {1014, 1, false}, {1015, 0, true},  {1016, 14, false}, {1030, 0, true},
      {1075, 0, true},   {1076, 14, false}, {1089, 1, false}, {1090, 0, true},
  };
  TTickTimer timer(15, 1000);
  for (const TStep& step : steps) {
    EXPECT_EQ(timer.Remaining(step.Now), step.Remaining) << step.Now;
    EXPECT_EQ(timer.TakeTick(step.Now), step.Ticks) << step.Now;
  }
}

TEST(TickTimer, CountsAcrossTheClocksWrap) {
  TTickTimer timer(15, 0xFFFFFFF0u);
  EXPECT_FALSE(timer.TakeTick(0xFFFFFFFEu));
  EXPECT_TRUE(timer.TakeTick(0x00000000u));  // 16 ms later, past the wrap
  EXPECT_EQ(timer.Remaining(0x00000005u), 10u);
}

}  // namespace
