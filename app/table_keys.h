#pragma once

#include <optional>

#include "game/table_buttons.h"
#include "platform/window_events.h"

// The keys of the table's buttons: a press of one acts exactly as a click on its button.
struct TTableKey {
  int VirtualKey;
  TTableButtons::TIndex Button;
};

inline constexpr TTableKey TableKeys[] = {
    {VkSpace, TTableButtons::Do},      // «Бросить»
    {VkEnter, TTableButtons::Cancel},  // «Записать»
    {VkF2, TTableButtons::Start},      // «Начать»
    {VkF10, TTableButtons::Menu},      // «Меню»
};

inline std::optional<TTableButtons::TIndex> TableButtonOfKey(int virtualKey) {
  for (const TTableKey& key : TableKeys)
    if (key.VirtualKey == virtualKey) return key.Button;
  return std::nullopt;
}

// F1 opens the rules page, as the main menu's link does.
inline constexpr int RulesPageKey = VkF1;
