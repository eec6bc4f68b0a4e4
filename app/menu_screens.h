#pragma once

#include <array>

#include "app/main_menu_screen.h"
#include "app/menu_screen.h"
#include "app/network_screen.h"
#include "app/options_screen.h"
#include "app/players_screen.h"

// The menu screens of the main window, each keeping its state between openings.
struct TMenuScreens {
  explicit TMenuScreens(const TScreenContext& context)
      : MainMenu(context), Players(context), Options(context), Network(context) {}

  // The screen of a kind; skTable has none.
  IMenuScreen* Of(TScreenKind kind) {
    for (IMenuScreen* screen : std::array<IMenuScreen*, 4>{&MainMenu, &Players, &Options, &Network})
      if (screen->Kind() == kind) return screen;
    return nullptr;
  }

  TMainMenuScreen MainMenu;
  TPlayersScreen Players;
  TOptionsScreen Options;
  TNetworkScreen Network;
};
