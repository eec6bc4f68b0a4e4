#pragma once

#include <cstdint>

// The system's millisecond tick count. Differences are taken as signed 32-bit values, so a
// count that wraps after 49 days still measures short spans correctly.
class IClock {
public:
  virtual ~IClock() = default;
  virtual std::uint32_t Milliseconds() const = 0;
};

// Milliseconds since SDL started.
class TSdlClock final : public IClock {
public:
  std::uint32_t Milliseconds() const override;
};

// Milliseconds from `earlier` to `later`, negative when `later` is before it.
inline std::int32_t ElapsedMs(std::uint32_t earlier, std::uint32_t later) {
  return static_cast<std::int32_t>(later - earlier);
}
