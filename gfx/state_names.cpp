#include "gfx/state_names.h"

std::array<std::string, 3> SplitStateNames(std::string_view names) {
  std::array<std::string, 3> parts;
  for (std::string& part : parts) {
    const size_t bar = names.find('|');
    part = names.substr(0, bar);
    names = bar == std::string_view::npos ? std::string_view() : names.substr(bar + 1);
  }
  return parts;
}
