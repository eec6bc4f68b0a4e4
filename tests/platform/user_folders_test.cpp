#include "platform/user_folders.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

#include "tests/support/scratch_dir.h"

namespace {

TEST(UserFolders, PortableBesideTheDataElseTheXdgFolders) {
  struct TCase {
    const char* Name;
    bool Portable;
    std::map<std::string, std::string> Environment;
    const char* Settings;
    const char* Data;
    const char* Cache;
  };
  const TCase cases[] = {
      {"portable", true, {{"HOME", "/home/a"}, {"XDG_DATA_HOME", "/x"}}, "/opt/game", "/opt/game", "/opt/game"},
      {"installed, XDG set",
       false,
       {{"HOME", "/home/a"},
        {"XDG_DATA_HOME", "/x/data"},
        {"XDG_CONFIG_HOME", "/x/config"},
        {"XDG_CACHE_HOME", "/x/c"}},
       "/x/config/thousand",
       "/x/data/thousand",
       "/x/c/thousand"},
      {"installed, XDG unset",
       false,
       {{"HOME", "/home/a"}},
       "/home/a/.config/thousand",
       "/home/a/.local/share/thousand",
       "/home/a/.cache/thousand"},
      {"installed, XDG relative",
       false,
       {{"HOME", "/home/a"}, {"XDG_DATA_HOME", "data"}, {"XDG_CONFIG_HOME", "config"}, {"XDG_CACHE_HOME", "cache"}},
       "/home/a/.config/thousand",
       "/home/a/.local/share/thousand",
       "/home/a/.cache/thousand"},
  };
  for (const TCase& c : cases) {
    const auto environment = [&c](const char* name) {
      const auto found = c.Environment.find(name);
      return found == c.Environment.end() ? std::string() : found->second;
    };
    const TUserFolders folders = ChooseUserFolders("/opt/game", c.Portable, environment);
    EXPECT_EQ(folders.Settings, c.Settings) << c.Name;
    EXPECT_EQ(folders.Data, c.Data) << c.Name;
    EXPECT_EQ(folders.Cache, c.Cache) << c.Name;
  }
}

TEST(UserFolders, AnInstalledGameWritesToTheUsersFolderEvenWhereItsDataIsWritable) {
  TScratchDir root;
  const std::string games = root.File("usr/games");
  const std::string data = root.File("usr/share/games/thousand");
  std::filesystem::create_directories(games);
  std::filesystem::create_directories(data);
  setenv("XDG_DATA_HOME", root.File("home/.local/share").c_str(), 1);
  EXPECT_EQ(UserFoldersOf(games, data).Data, root.File("home/.local/share/thousand"));
  EXPECT_TRUE(std::filesystem::is_directory(root.File("home/.local/share/thousand")));
  EXPECT_EQ(UserFoldersOf(games, games).Data, games) << "a writable folder of its own: portable";
  unsetenv("XDG_DATA_HOME");
}

}  // namespace
