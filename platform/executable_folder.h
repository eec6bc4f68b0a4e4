#pragma once

#include <string>

// The folder of the running executable, without a trailing separator; the current folder
// when the system does not say.
std::string ExecutableFolder();

// Where the game's data (containers, settings, rule sets, rules page) lie: beside the
// executable in a build or a portable copy, else in the installed data folder found relative to
// it (games/thousand → share/games/thousand). The executable's folder when neither holds the
// data, so that the missing containers are reported as they always were.
std::string GameDataFolder(const std::string& executableFolder);
