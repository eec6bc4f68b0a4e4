#include "gfx/file_io.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>

#include "base/cp1251.h"
#include "platform/message_box.h"

namespace {

constexpr std::size_t kBlockSize = 4096;

void ShowFileMessage(std::string_view text, const std::string& fileName) {
  MessageBox().Show(Cp1251(std::string(text) + fileName));
}

void ShowReadError(const std::string& fileName) { ShowFileMessage("Ошибка чтения файла ", fileName); }

void ShowWriteError(const std::string& fileName) { ShowFileMessage("Ошибка записи в файл ", fileName); }

struct TFileCloser {
  void operator()(std::FILE* file) const { std::fclose(file); }
};
using TFilePtr = std::unique_ptr<std::FILE, TFileCloser>;

// Reads blocks of up to 4,096 bytes until the end or until `enough` says stop. A missing file
// gives false silently; every other failure shows the read message.
template <typename TOnBlock, typename TEnough>
bool ReadBlocks(const std::string& fileName, TOnBlock onBlock, TEnough enough) {
  std::error_code error;
  if (!std::filesystem::exists(fileName, error)) return false;
  TFilePtr file(std::fopen(fileName.c_str(), "rb"));
  if (!file) {
    ShowReadError(fileName);
    return false;
  }
  std::array<char, kBlockSize> block;
  while (!enough()) {
    const std::size_t got = std::fread(block.data(), 1, block.size(), file.get());
    if (std::ferror(file.get())) {
      ShowReadError(fileName);
      return false;
    }
    if (got == 0) break;
    onBlock(std::string_view(block.data(), got));
  }
  return true;
}

// Where the bytes of `fileName` really live: a symbolic link is replaced at its target, so
// the link itself survives a save.
std::filesystem::path ResolveTarget(const std::string& fileName) {
  std::error_code error;
  const std::filesystem::path canonical = std::filesystem::canonical(fileName, error);
  return error ? std::filesystem::path(fileName) : canonical;
}

bool WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t written = ::write(fd, bytes.data(), std::min(bytes.size(), kBlockSize));
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) return false;
    bytes.remove_prefix(static_cast<std::size_t>(written));
  }
  return true;
}

mode_t CurrentUmask() {
  const mode_t mask = ::umask(0);
  ::umask(mask);
  return mask;
}

// Writes a complete new copy beside the target and renames it over the target.
bool ReplaceFile(const std::filesystem::path& target, std::string_view bytes) {
  struct stat existing {};
  const bool exists = ::stat(target.c_str(), &existing) == 0;
  // A file the user may not write stays refused, as an in-place write would be.
  if (exists && (!S_ISREG(existing.st_mode) || ::access(target.c_str(), W_OK) != 0)) return false;

  std::string temporary = target.string() + ".XXXXXX";
  const int fd = ::mkstemp(temporary.data());
  if (fd < 0) return false;
  const mode_t mode = exists ? existing.st_mode & 07777 : 0666 & ~CurrentUmask();
  bool ok = ::fchmod(fd, mode) == 0 && WriteAll(fd, bytes) && ::fsync(fd) == 0;
  ok = ::close(fd) == 0 && ok;
  ok = ok && ::rename(temporary.c_str(), target.c_str()) == 0;
  if (!ok) ::unlink(temporary.c_str());
  return ok;
}

}  // namespace

std::optional<std::string> ReadFileToString(const std::string& fileName, std::size_t limit) {
  std::string result;
  const bool ok = ReadBlocks(
      fileName, [&](std::string_view block) { result.append(block); },
      [&] { return limit != 0 && result.size() >= limit; });
  if (!ok) return std::nullopt;
  return result;
}

std::optional<std::vector<std::string>> ReadFileToBlocks(const std::string& fileName) {
  std::vector<std::string> blocks;
  const bool ok = ReadBlocks(
      fileName, [&](std::string_view block) { blocks.emplace_back(block); }, [] { return false; });
  if (!ok) return std::nullopt;
  return blocks;
}

bool WriteStringToFile(const std::string& fileName, std::string_view bytes) {
  if (!ReplaceFileQuietly(fileName, bytes)) {
    ShowWriteError(fileName);
    return false;
  }
  return true;
}

bool ReplaceFileQuietly(const std::string& fileName, std::string_view bytes) {
  return !fileName.empty() && ReplaceFile(ResolveTarget(fileName), bytes);
}
