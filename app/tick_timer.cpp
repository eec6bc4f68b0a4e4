#include "app/tick_timer.h"

#include "platform/clock.h"

std::uint32_t TTickTimer::Remaining(std::uint32_t now) const {
  const std::int32_t left = static_cast<std::int32_t>(FInterval) - ElapsedMs(FLast, now);
  return left > 0 ? static_cast<std::uint32_t>(left) : 0;
}

bool TTickTimer::TakeTick(std::uint32_t now) {
  if (Remaining(now) > 0) return false;
  FLast = now;
  return true;
}
