#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>

#include "base/cp1251.h"
#include "gfx/file_io.h"
#include "tests/support/fake_message_box.h"
#include "tests/support/file_size_limit.h"
#include "tests/support/scratch_dir.h"

namespace {

std::string PatternBytes(std::size_t size) {
  std::string bytes(size, '\0');
  for (std::size_t i = 0; i < size; ++i) bytes[i] = static_cast<char>(i * 7 + i / 251);
  return bytes;
}

}  // namespace

TEST(ReadFileToString, StopsAfterTheBlockThatReachesTheLimit) {
  TScratchDir dir;
  const std::string bytes = PatternBytes(20000);
  dir.Write("big.bin", bytes);
  TFakeMessageBox box;

  const auto limited = ReadFileToString(dir.File("big.bin"), 10000);
  ASSERT_TRUE(limited);
  EXPECT_EQ(*limited, bytes.substr(0, 12288));

  const auto whole = ReadFileToString(dir.File("big.bin"));
  ASSERT_TRUE(whole);
  EXPECT_EQ(*whole, bytes);
  EXPECT_TRUE(box.Texts.empty());
}

TEST(ReadFileToString, MissingFileGivesNothingWithoutAMessage) {
  TScratchDir dir;
  TFakeMessageBox box;
  EXPECT_FALSE(ReadFileToString(dir.File("absent.sav"), 10000));
  EXPECT_FALSE(ReadFileToBlocks(dir.File("absent.col")));
  EXPECT_TRUE(box.Texts.empty());
}

TEST(ReadFileToString, UnreadableFileShowsTheReadMessage) {
  TScratchDir dir;
  std::filesystem::create_directory(dir.File("папка"));
  TFakeMessageBox box;
  EXPECT_FALSE(ReadFileToString(dir.File("папка")));
  EXPECT_FALSE(ReadFileToBlocks(dir.File("папка")));
  const std::string expected = Cp1251("Ошибка чтения файла " + dir.File("папка"));
  EXPECT_EQ(box.Texts, (std::vector<std::string>{expected, expected}));
}

TEST(ReadFileToBlocks, GivesEveryNonEmptyBlockOfAtMost4096Bytes) {
  TScratchDir dir;
  const std::string bytes = PatternBytes(9000);
  dir.Write("rekl.col", bytes);
  dir.Write("empty.col", "");

  const auto blocks = ReadFileToBlocks(dir.File("rekl.col"));
  ASSERT_TRUE(blocks);
  EXPECT_EQ(*blocks, (std::vector<std::string>{bytes.substr(0, 4096), bytes.substr(4096, 4096),
                                               bytes.substr(8192)}));
  const auto none = ReadFileToBlocks(dir.File("empty.col"));
  ASSERT_TRUE(none);
  EXPECT_TRUE(none->empty());
}

TEST(WriteStringToFile, WritesAndReplacesWholeFiles) {
  TScratchDir dir;
  TFakeMessageBox box;
  const std::string bytes = PatternBytes(10000);
  ASSERT_TRUE(WriteStringToFile(dir.File("game.sav"), bytes));
  EXPECT_EQ(dir.Read("game.sav"), bytes);

  ASSERT_TRUE(WriteStringToFile(dir.File("game.sav"), "short"));
  EXPECT_EQ(dir.Read("game.sav"), "short");

  ASSERT_TRUE(WriteStringToFile(dir.File("game.sav"), ""));
  EXPECT_TRUE(std::filesystem::exists(dir.File("game.sav")));
  EXPECT_EQ(std::filesystem::file_size(dir.File("game.sav")), 0u);

  // Nothing but the target is left in the folder.
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()), {}), 1);
  EXPECT_TRUE(box.Texts.empty());
}

TEST(WriteStringToFile, ReplacesTheTargetOfALinkAndKeepsItsPermissions) {
  TScratchDir dir;
  dir.Write("real.st", "old");
  std::filesystem::permissions(dir.File("real.st"), std::filesystem::perms(0640));
  std::filesystem::create_symlink("real.st", dir.File("link.st"));

  ASSERT_TRUE(WriteStringToFile(dir.File("link.st"), "new"));
  EXPECT_TRUE(std::filesystem::is_symlink(dir.File("link.st")));
  EXPECT_EQ(dir.Read("real.st"), "new");
  EXPECT_EQ(std::filesystem::status(dir.File("real.st")).permissions(), std::filesystem::perms(0640));
}

TEST(WriteStringToFile, FailureShowsTheWriteMessageAndKeepsTheOldFile) {
  TScratchDir dir;
  dir.Write("game.sav", "previous game");
  TFakeMessageBox box;
  {
    // The write fails part way, after the first 4,096-byte piece.
    TFileSizeLimit limit(5000);
    EXPECT_FALSE(WriteStringToFile(dir.File("game.sav"), PatternBytes(20000)));
  }
  EXPECT_EQ(dir.Read("game.sav"), "previous game");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()), {}), 1);

  const std::string missingFolder = dir.File("нет/game.sav");
  EXPECT_FALSE(WriteStringToFile(missingFolder, "x"));
  EXPECT_FALSE(WriteStringToFile(dir.Path().string(), "x"));  // a folder is no file

  ASSERT_EQ(box.Texts.size(), 3u);
  EXPECT_EQ(box.Texts[0], Cp1251("Ошибка записи в файл " + dir.File("game.sav")));
  EXPECT_EQ(Utf8(box.Texts[1]), "Ошибка записи в файл " + missingFolder);
  EXPECT_TRUE(std::filesystem::is_directory(dir.Path()));
}
