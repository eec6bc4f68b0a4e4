#pragma once

#include <string>

#include "platform/window_placement.h"

// The settings file beside the executable: "tolvane.ini", read once at start-up, never written.
inline constexpr const char* SettingsFileName = "tolvane.ini";
inline constexpr const char* DefaultOptionsFile = "classic.st";
// The rules of the game beside the data, opened in the desktop's browser.
inline constexpr const char* RulesPageFile = "rules.html";
// The game in progress, kept in the user's data folder while the program runs.
inline constexpr const char* AutosaveFileName = "autosave.sav";

// The rule-set file that "OPTIONSFILE" in section "MAIN" names ("classic.st" when the file
// or the key is missing). A bare file name is taken from `folder`; a name with a folder
// part, absolute or relative, is used unchanged.
std::string OptionsFilePath(const std::string& folder);

// The window's size and full screen, kept in the user's folder between runs.
inline constexpr const char* WindowSettingsFileName = "window.ini";
// What `folder`'s window settings hold; a missing file or unusable values read as never kept.
TWindowPlacement ReadWindowPlacement(const std::string& folder);
// False when the file cannot be written; the next start then opens at the first size.
bool WriteWindowPlacement(const std::string& folder, const TWindowPlacement& placement);
