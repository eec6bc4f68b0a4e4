#pragma once

#include <algorithm>
#include <cstddef>
#include <memory>
#include <utility>
#include <vector>

#include "game/option_table.h"

// The last few models a thread made, each kept with the rules it was made for, so that a lab or
// a test going round a handful of rule sets builds each model once rather than at every switch.
template <typename T, std::size_t Size = 3>
class TRulesKeyedCache {
public:
  template <typename Make>
  std::shared_ptr<const T> Get(const TGameOptions& rules, Make&& make) {
    const auto kept = std::find_if(FEntries.begin(), FEntries.end(), [&](const auto& e) { return e.first == rules; });
    if (kept != FEntries.end()) {
      std::rotate(FEntries.begin(), kept, kept + 1);  // the most recent first, the oldest goes
    } else {
      if (FEntries.size() == Size) FEntries.pop_back();
      FEntries.insert(FEntries.begin(), {rules, make()});
    }
    return FEntries.front().second;
  }

private:
  std::vector<std::pair<TGameOptions, std::shared_ptr<const T>>> FEntries;
};
