#pragma once

#include <functional>
#include <string>

// Where the program writes what belongs to its user: its settings (the remembered window),
// its data (the kept game, the first folder of the save and load dialogs) and its cache (what
// it can make again, kept only to start faster).
struct TUserFolders {
  std::string Settings;
  std::string Data;
  std::string Cache;
};

// A game that runs from a folder of its own holding its data and writable (a build, a portable
// copy) keeps everything beside itself. An installed one writes only to the XDG folders,
// $XDG_CONFIG_HOME/thousand, $XDG_DATA_HOME/thousand and $XDG_CACHE_HOME/thousand, by default
// ~/.config/thousand, ~/.local/share/thousand and ~/.cache/thousand (a relative value is
// ignored, as the XDG rules say).
// `environment` answers a variable's value, empty when unset.
TUserFolders ChooseUserFolders(const std::string& dataFolder, bool portable,
                               const std::function<std::string(const char*)>& environment);

// The choice for this process: portable when the data lies beside the executable and the
// folder is writable; the folders are created if missing.
TUserFolders UserFoldersOf(const std::string& executableFolder, const std::string& dataFolder);
