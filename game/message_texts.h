#pragma once

#include <string>
#include <string_view>

// The texts of the game's message panel, as Windows-1251 byte strings with colour markup.

// Before any game: how to start one.
std::string StartMessage();
// The turn passes to a player.
std::string TurnMessage(std::string_view name, int turnScore);
// A throw scored and the turn goes on.
std::string ThrowScoredMessage(int points, int turnScore);
// The turn went past the most it may reach (the open barrel).
std::string OvershootMessage(int points, int turnScore);
// A throw scored nothing.
std::string ScorelessMessage();
// The game is won.
std::string WinnerMessage(std::string_view name);
// Shown while a saved game is loaded (and left standing when the load fails).
std::string LoadingGameMessage();
// The game kept when the program last ended is back on the table; whose turn it is.
std::string RestoredGameMessage(std::string_view name);
// A network player's machine left: the host's computer plays for it.
std::string StandInMessage(std::string_view name);
// That machine came back and plays its player again.
std::string ReturnedMessage(std::string_view name);
