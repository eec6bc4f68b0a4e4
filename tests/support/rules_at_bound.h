#pragma once

#include <cstdint>

#include "game/option_table.h"

// Every rule at one of its bounds, &TOptionRule::Min or &TOptionRule::Max. In both records each
// span's lower end lies below its upper end, so a loader keeps them as they stand.
inline TGameOptions RulesAtBound(std::int32_t TOptionRule::*bound) {
  TGameOptions options;
  for (const TOptionRule& rule : OptionRules) rule.Set(options, rule.*bound);
  return options;
}
