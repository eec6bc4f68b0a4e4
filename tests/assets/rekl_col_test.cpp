// "rekl.col" as built: animated banners for the strip, linking to the rules page.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>

#include "gfx/container_records.h"
#include "gfx/gif_decoder.h"

namespace {

std::string ReadBuilt(const std::string& fileName) {
  std::ifstream in(std::string(THOUSAND_RUNTIME_DIR) + "/" + fileName, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

TEST(ReklCol, HoldsAnimatedBannersThatLinkToThePageBesideTheGame) {
  const std::string bytes = ReadBuilt("rekl.col");
  const std::vector<TContainerRecord> records = SplitContainer(bytes, "rekl.col");
  ASSERT_GE(records.size(), 3u);
  std::set<std::uint32_t> repeats;
  for (const TContainerRecord& record : records) {
    const std::optional<TBannerKey> key = ParseBannerKey(record.Key);
    ASSERT_TRUE(key);
    repeats.insert(key->RepeatCount);
    const std::string link(key->Link);
    EXPECT_EQ(link.find(':'), std::string::npos) << "a file beside the executable: " << link;
    EXPECT_TRUE(std::filesystem::is_regular_file(std::string(THOUSAND_RUNTIME_DIR) + "/" + link));

    const TGifImage gif = DecodeGif(record.Data);
    EXPECT_EQ(gif.Width, 468);
    EXPECT_EQ(gif.Height, 60);
    EXPECT_GE(gif.Frames.size(), 2u);
    for (const TGifFrame& frame : gif.Frames) {
      EXPECT_TRUE(frame.HasControl);
      EXPECT_GT(frame.Delay, 0);
      // The rotator lays frames over each other without clearing: each covers the strip.
      EXPECT_EQ(frame.Width, 468);
      EXPECT_EQ(frame.Height, 60);
    }
  }
  EXPECT_EQ(repeats.size(), records.size()) << "each banner plays a different number of times";
}

}  // namespace
