#pragma once

#include <cstdint>

// The 15 ms tick of the message loop: due once at least the interval has passed since the
// previous tick. A late tick is one tick: the time lost is not made up, the game slows down.
class TTickTimer {
public:
  TTickTimer(std::uint32_t intervalMs, std::uint32_t now) : FInterval(intervalMs), FLast(now) {}

  // Milliseconds until the next tick is due; 0 when it is due now.
  std::uint32_t Remaining(std::uint32_t now) const;
  // Whether a tick is due at `now`; taking it restarts the interval from `now`.
  bool TakeTick(std::uint32_t now);

private:
  std::uint32_t FInterval;
  std::uint32_t FLast;
};
