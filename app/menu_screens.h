#pragma once

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
    for (IMenuScreen* screen : {static_cast<IMenuScreen*>(&MainMenu), static_cast<IMenuScreen*>(&Players),
                                static_cast<IMenuScreen*>(&Options), static_cast<IMenuScreen*>(&Network)})
      if (screen->Kind() == kind) return screen;
    return nullptr;
  }

  TMainMenuScreen MainMenu;
  TPlayersScreen Players;
  TOptionsScreen Options;
  TNetworkScreen Network;
};
