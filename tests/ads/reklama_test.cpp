#include <gtest/gtest.h>

#include <string>

#include "ads/reklama.h"
#include "gfx/container_records.h"

#include "tests/support/fake_message_box.h"
#include "tests/support/scratch_dir.h"
#include "tests/support/container_test_files.h"

namespace {

const std::string kBuilt = std::string(THOUSAND_RUNTIME_DIR) + "/rekl.col";

TEST(Reklama, LoadsTheBuiltBannersWithTheirRepeatCountsAndLinks) {
  TReklama banners;
  banners.FileName = kBuilt;
  ASSERT_TRUE(banners.Load());
  ASSERT_GE(banners.Count(), 2);
  const std::string bytes = ReadWholeFile(kBuilt);
  const auto records = SplitContainer(bytes, kBuilt);
  ASSERT_EQ(static_cast<int>(records.size()), banners.Count());
  for (int i = 0; i < banners.Count(); ++i) {
    const auto key = ParseBannerKey(records[i].Key);
    ASSERT_TRUE(key);
    EXPECT_EQ(banners.RepeatCount(i), static_cast<std::int32_t>(key->RepeatCount));
    EXPECT_EQ(banners.LinkOf(i), key->Link);
    ASSERT_NE(banners.GetImage(i), nullptr);
    EXPECT_FALSE(banners.GetImage(i)->Frames.empty());
  }
  EXPECT_EQ(banners.GetImage(banners.Count()), nullptr);
  EXPECT_EQ(banners.LinkOf(-1), "");
  EXPECT_EQ(banners.RepeatCount(banners.Count()), 0);
}

TEST(Reklama, KeysGiveRepeatCountAndLink) {
  TScratchDir folder;
  const std::string gif = std::string(SplitContainer(ReadWholeFile(kBuilt), kBuilt)[0].Data);
  folder.Write("two.col", ContainerRecord(MakeBannerKey(2, "http://a"), gif) +
                              ContainerRecord(MakeBannerKey(0xFFFFFFFFu, ""), gif));
  TReklama banners;
  banners.FileName = folder.File("two.col");
  ASSERT_TRUE(banners.Load());
  ASSERT_EQ(banners.Count(), 2);
  EXPECT_EQ(banners.RepeatCount(0), 2);
  EXPECT_EQ(banners.LinkOf(0), "http://a");
  EXPECT_EQ(banners.RepeatCount(1), -1);
  EXPECT_EQ(banners.LinkOf(1), "");
  banners.Delete(0);
  EXPECT_EQ(banners.Count(), 1);
  EXPECT_EQ(banners.RepeatCount(0), -1);
}

TEST(Reklama, RefusesBrokenContainersWhole) {
  TFakeMessageBox messages;
  TScratchDir folder;
  const std::string built = ReadWholeFile(kBuilt);
  const std::string gif = std::string(SplitContainer(built, kBuilt)[0].Data);
  struct TCase {
    const char* Name;
    std::string Bytes;
  };
  const std::vector<TCase> cases{
      {"cut.col", built.substr(0, built.size() - 10)},
      {"notgif.col", ContainerRecord(MakeBannerKey(1, "x"), gif) + ContainerRecord(MakeBannerKey(1, "y"), "GIF89a junk")},
      {"shortkey.col", ContainerRecord(MakeBannerKey(1, "x"), gif) + ContainerRecord("ab", gif)},
      {"gifcut.col", ContainerRecord(MakeBannerKey(1, "x"), gif) + ContainerRecord(MakeBannerKey(1, "y"), gif.substr(0, gif.size() / 2))},
  };
  for (const TCase& c : cases) {
    folder.Write(c.Name, c.Bytes);
    TReklama banners;
    banners.FileName = folder.File(c.Name);
    EXPECT_FALSE(banners.Load()) << c.Name;
    EXPECT_EQ(banners.Count(), 0) << c.Name;
  }
  TReklama missing;
  missing.FileName = folder.File("missing.col");
  EXPECT_FALSE(missing.Load());
  EXPECT_TRUE(messages.Texts.empty()) << "a missing file is no read error";

  TReklama empty;
  folder.Write("empty.col", "");
  empty.FileName = folder.File("empty.col");
  EXPECT_TRUE(empty.Load());
  EXPECT_EQ(empty.Count(), 0);
}

}  // namespace
