#include "dice/die_sprite_cache.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "base/image.h"
#include "dice/dice_scene.h"
#include "dice/die_sprites.h"
#include "gfx/surface_collection.h"
#include "tests/support/die_sheet.h"
#include "tests/support/scratch_dir.h"

namespace {

// A whole sheet whose every sprite differs from every other.
void FillSheet(TSurfaceSortCollection& sprites) {
  std::uint32_t seed = 1;
  for (int face = 1; face <= 6; ++face)
    for (int frame = 0; frame < DieSpriteFrames; ++frame) {
      TImage image{DieSpriteWidth, DieSpriteHeight, {}};
      for (int i = 0; i < DieSpriteWidth * DieSpriteHeight; ++i)
        image.Pixels.push_back((seed++ * 2654435761u) & 0xFFFFFF);
      sprites.AddSurface(DieSpriteName(face, frame), image);
    }
}

class DieSpriteCache : public ::testing::Test {
protected:
  void SetUp() override { FillSheet(Sheet); }

  TScratchDir Dir;
  const std::string File = Dir.File("cache/thousand/die_sprites.cache");
  const std::string Key = "1.2.3.4\nMesa\nllvmpipe\n4.5 Mesa";
  TSurfaceSortCollection Sheet;
};

TEST_F(DieSpriteCache, GivesBackTheSheetPixelForPixelUnderItsOwnKeyOnly) {
  ASSERT_TRUE(WriteDieSpriteCache(File, Key, Sheet)) << "the folder is made when missing";
  TSurfaceSortCollection read;
  ASSERT_TRUE(ReadDieSpriteCache(File, Key, read));
  EXPECT_TRUE(SameDieSheet(read, Sheet));
  EXPECT_FALSE(ReadDieSpriteCache(File, Key + "1", read)) << "another renderer";
  EXPECT_EQ(read.Count(), 0);
  EXPECT_FALSE(ReadDieSpriteCache(Dir.File("absent"), Key, read));
}

TEST_F(DieSpriteCache, ADamagedFileIsRefusedWhole) {
  ASSERT_TRUE(WriteDieSpriteCache(File, Key, Sheet));
  const std::string good = Dir.Read("cache/thousand/die_sprites.cache");
  struct TCase {
    const char* Name;
    std::function<std::string(std::string)> Damage;
  };
  const TCase cases[] = {
      {"empty", [](std::string) { return std::string(); }},
      {"cut in the header", [](std::string bytes) { return bytes.substr(0, 10); }},
      {"cut in a sprite", [](std::string bytes) { return bytes.substr(0, bytes.size() / 2); }},
      {"last byte missing", [](std::string bytes) { return bytes.substr(0, bytes.size() - 1); }},
      {"a byte too many", [](std::string bytes) { return bytes + "x"; }},
      {"another magic", [](std::string bytes) { return bytes.replace(0, 8, "THOUSANX"); }},
      {"a key length past the end", [](std::string bytes) { return bytes.replace(23, 4, "\xFF\xFF\xFF\x7F"); }},
      {"not a cache at all", [](std::string) { return std::string(5000, '\x42'); }},
  };
  for (const TCase& c : cases) {
    Dir.Write("cache/thousand/die_sprites.cache", c.Damage(good));
    TSurfaceSortCollection read;
    EXPECT_FALSE(ReadDieSpriteCache(File, Key, read)) << c.Name;
    EXPECT_EQ(read.Count(), 0) << c.Name;
  }
}

TEST_F(DieSpriteCache, OnlyAWholeSheetIsWrittenAndAFailedWriteLeavesNoFile) {
  TSurfaceSortCollection partial;
  TImage image{DieSpriteWidth, DieSpriteHeight, std::vector<std::uint32_t>(DieSpriteWidth * DieSpriteHeight)};
  partial.AddSurface(DieSpriteName(1, 0), image);
  EXPECT_FALSE(WriteDieSpriteCache(File, Key, partial));
  EXPECT_FALSE(std::filesystem::exists(File));

  Dir.Write("blocked", "a file where the folder should be");
  EXPECT_FALSE(WriteDieSpriteCache(Dir.File("blocked/die_sprites.cache"), Key, Sheet));
  ASSERT_TRUE(WriteDieSpriteCache(File, Key, Sheet));
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(Dir.Path() / "cache/thousand"), {}), 1)
      << "no temporary file left beside it";
}

}  // namespace
