#include "platform/user_folders.h"

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace {

namespace fs = std::filesystem;

// An XDG base folder: the variable when it holds an absolute path, else HOME's default.
std::string XdgFolder(const char* variable, const char* homeDefault,
                      const std::function<std::string(const char*)>& environment) {
  const std::string value = environment(variable);
  if (!value.empty() && fs::path(value).is_absolute()) return value;
  return (fs::path(environment("HOME")) / homeDefault).string();
}

}  // namespace

TUserFolders ChooseUserFolders(const std::string& dataFolder, bool portable,
                               const std::function<std::string(const char*)>& environment) {
  if (portable) return {dataFolder, dataFolder, dataFolder};
  return {(fs::path(XdgFolder("XDG_CONFIG_HOME", ".config", environment)) / "thousand").string(),
          (fs::path(XdgFolder("XDG_DATA_HOME", ".local/share", environment)) / "thousand").string(),
          (fs::path(XdgFolder("XDG_CACHE_HOME", ".cache", environment)) / "thousand").string()};
}

TUserFolders UserFoldersOf(const std::string& executableFolder, const std::string& dataFolder) {
  const bool portable = dataFolder == executableFolder && ::access(dataFolder.c_str(), W_OK) == 0;
  const TUserFolders folders = ChooseUserFolders(dataFolder, portable, [](const char* name) {
    const char* value = std::getenv(name);
    return std::string(value ? value : "");
  });
  std::error_code error;
  fs::create_directories(folders.Settings, error);
  fs::create_directories(folders.Data, error);
  return folders;
}
