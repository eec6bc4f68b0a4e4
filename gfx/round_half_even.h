#pragma once

#include <cmath>

// Nearest whole number, halves to the even neighbour (2.5 gives 2, 3.5 gives 4), whatever
// rounding mode the floating-point unit is in.
inline long long RoundHalfEven(double value) {
  const double below = std::floor(value);
  const double rest = value - below;
  auto whole = static_cast<long long>(below);
  if (rest > 0.5 || (rest == 0.5 && whole % 2 != 0)) ++whole;
  return whole;
}
