#include "platform/executable_folder.h"

#include <filesystem>
#include <system_error>

namespace {

// The container every game needs; a folder without it holds no game data.
constexpr const char* kDataMarker = "graph.col";

bool HoldsGameData(const std::filesystem::path& folder) {
  std::error_code error;
  return std::filesystem::is_regular_file(folder / kDataMarker, error);
}

}  // namespace

std::string ExecutableFolder() {
  std::error_code error;
  const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
  if (error || !self.has_parent_path()) return std::filesystem::current_path(error).string();
  return self.parent_path().string();
}

std::string GameDataFolder(const std::string& executableFolder) {
  if (HoldsGameData(executableFolder)) return executableFolder;
  const std::filesystem::path installed =
      (std::filesystem::path(executableFolder) / THOUSAND_INSTALLED_DATA_FROM_EXECUTABLE).lexically_normal();
  if (HoldsGameData(installed)) return installed.string();
  return executableFolder;
}
