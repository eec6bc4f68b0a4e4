#include "platform/executable_folder.h"

#include <filesystem>
#include <system_error>

std::string ExecutableFolder() {
  std::error_code error;
  const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
  if (error || !self.has_parent_path()) return std::filesystem::current_path(error).string();
  return self.parent_path().string();
}
