#include <gtest/gtest.h>

#include <gif_lib.h>

#include <string>
#include <utility>
#include <vector>

#include "ads/reklama.h"
#include "gfx/container_records.h"
#include "tests/support/scratch_dir.h"
#include "tests/support/container_test_files.h"

namespace {

constexpr std::uint32_t kWhite = 0xFFFFFF, kRed = 0xFF0000, kGreen = 0x00FF00, kBlue = 0x0000FF;
constexpr int kClear = 0;  // black: the transparent index where a frame has one

struct TFrameSpec {
  int Left, Top, Width, Height;
  std::vector<std::uint8_t> Indices;
  int Delay = -1;        // -1: no graphic control extension
  int Transparent = -1;  // -1: none
};

int AppendTo(GifFileType* gif, const GifByteType* data, int length) {
  static_cast<std::string*>(gif->UserData)->append(reinterpret_cast<const char*>(data), length);
  return length;
}

// A GIF of the given screen size with the palette black, red, green, blue.
std::string Gif(int width, int height, const std::vector<TFrameSpec>& frames) {
  std::string bytes;
  int error = 0;
  GifFileType* gif = EGifOpen(&bytes, AppendTo, &error);
  EGifSetGifVersion(gif, true);
  const GifColorType colors[4] = {{0, 0, 0}, {255, 0, 0}, {0, 255, 0}, {0, 0, 255}};
  ColorMapObject* map = GifMakeMapObject(4, colors);
  EGifPutScreenDesc(gif, width, height, 2, 0, map);
  for (const TFrameSpec& frame : frames) {
    if (frame.Delay >= 0 || frame.Transparent >= 0) {
      GraphicsControlBlock control{};
      control.DelayTime = std::max(frame.Delay, 0);
      control.TransparentColor = frame.Transparent;
      GifByteType extension[4];
      EGifGCBToExtension(&control, extension);
      EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, 4, extension);
    }
    EGifPutImageDesc(gif, frame.Left, frame.Top, frame.Width, frame.Height, false, nullptr);
    std::vector<GifPixelType> row(frame.Width);
    for (int y = 0; y < frame.Height; ++y) {
      for (int x = 0; x < frame.Width; ++x) row[x] = frame.Indices[y * frame.Width + x];
      EGifPutLine(gif, row.data(), frame.Width);
    }
  }
  EGifCloseFile(gif, &error);
  GifFreeMapObject(map);
  return bytes;
}

// A one-colour full frame.
TFrameSpec Full(int width, int height, std::uint8_t index, int delay) {
  return {0, 0, width, height, std::vector<std::uint8_t>(width * height, index), delay};
}

class BannerAnimation : public ::testing::Test {
protected:
  void Load(const std::vector<std::pair<std::uint32_t, std::string>>& banners) {
    std::string bytes;
    for (const auto& [repeat, gif] : banners) bytes += ContainerRecord(MakeBannerKey(repeat, "link"), gif);
    Folder.Write("rekl.col", bytes);
    Banners.FileName = Folder.File("rekl.col");
    ASSERT_TRUE(Banners.Load());
  }
  std::vector<std::uint32_t> Pixels(std::uint32_t now) { return Banners.CurrentImage(now).Pixels; }
  std::pair<int, int> Shown() const { return {Banners.Index(), Banners.Frame()}; }

  TScratchDir Folder;
  TReklama Banners;
};

TEST_F(BannerAnimation, FramesAreTiledOverWhiteAndLaidOverTheEarlierOnes) {
  Load({{1, Gif(4, 2,
                {{0, 0, 2, 2, {1, kClear, kClear, 1}, 0, kClear},
                 {0, 0, 4, 2, {2, kClear, kClear, kClear, kClear, kClear, kClear, 3}, 0, kClear},
                 {1, 1, 1, 1, {3}, 0}})}});
  EXPECT_EQ(Pixels(0), (std::vector<std::uint32_t>{kRed, kWhite, kRed, kWhite, kWhite, kRed, kWhite, kRed}));
  Banners.Tick(0);
  EXPECT_EQ(Pixels(0), (std::vector<std::uint32_t>{kGreen, kWhite, kRed, kWhite, kWhite, kRed, kWhite, kBlue}));
  // A one-pixel frame covers the whole picture.
  Banners.Tick(0);
  EXPECT_EQ(Pixels(0), std::vector<std::uint32_t>(8, kBlue));
}

TEST_F(BannerAnimation, AFrameStaysItsDelayCountedFromWhenItWasDrawn) {
  Load({{1, Gif(2, 1, {Full(2, 1, 1, 5), Full(2, 1, 2, -1)})}, {1, Gif(2, 1, {Full(2, 1, 3, 5)})}});
  EXPECT_EQ(Pixels(1000)[0], kRed);
  EXPECT_EQ(Pixels(1040)[0], kRed);  // a paint before the time is up draws nothing new
  Banners.Tick(1049);
  EXPECT_EQ(Shown(), std::make_pair(0, 0));
  Banners.Tick(1050);
  EXPECT_EQ(Shown(), std::make_pair(0, 1));
  EXPECT_EQ(Pixels(1050)[0], kGreen);
  // Without a control extension a frame stays 100 ms.
  Banners.Tick(1149);
  EXPECT_EQ(Shown(), std::make_pair(0, 1));
  // However late the paint, one frame at a time.
  Banners.Tick(99999);
  EXPECT_EQ(Shown(), std::make_pair(1, 0));
  EXPECT_EQ(Pixels(99999)[0], kBlue);
}

TEST_F(BannerAnimation, BannersFollowEachOtherAfterTheirRepeatCountsAndWrapAround) {
  const std::string twoFrames = Gif(1, 1, {Full(1, 1, 1, 0), Full(1, 1, 2, 0)});
  Load({{2, twoFrames}, {2, twoFrames}});
  Pixels(0);
  std::vector<std::pair<int, int>> shown;
  for (int paint = 0; paint < 8; ++paint) {
    Banners.Tick(0);
    shown.push_back(Shown());
  }
  EXPECT_EQ(shown, (std::vector<std::pair<int, int>>{{0, 1}, {0, 0}, {0, 1}, {1, 0}, {1, 1}, {1, 0}, {1, 1}, {0, 0}}));
}

TEST_F(BannerAnimation, ANewBannerStartsOnWhite) {
  Load({{1, Gif(1, 2, {Full(1, 2, 1, 0)})}, {1, Gif(1, 2, {{0, 0, 1, 2, {2, kClear}, 0, kClear}})}});
  EXPECT_EQ(Pixels(0), (std::vector<std::uint32_t>{kRed, kRed}));
  Banners.Tick(0);
  EXPECT_EQ(Pixels(0), (std::vector<std::uint32_t>{kGreen, kWhite}));
}

TEST_F(BannerAnimation, ASingleFrameBannerStaysOneDelayAndPassesItsRepeatsOnePerPaint) {
  Load({{3, Gif(1, 1, {Full(1, 1, 1, 10)})}, {0, Gif(1, 1, {Full(1, 1, 2, 10)})}});
  Pixels(0);
  Banners.Tick(99);
  EXPECT_EQ(Banners.Index(), 0);
  Banners.Tick(100);
  Banners.Tick(100);
  EXPECT_EQ(Banners.Index(), 0);
  Banners.Tick(100);
  EXPECT_EQ(Banners.Index(), 1);
  // A repeat count of 0 plays once.
  Banners.Tick(199);
  EXPECT_EQ(Banners.Index(), 1);
  Banners.Tick(200);
  EXPECT_EQ(Banners.Index(), 0);
}

TEST(BannerRotator, WithoutBannersShowsNothingAndTicksSafely) {
  TReklama banners;
  EXPECT_EQ(banners.CurrentImage(0).Width, 0);
  banners.Tick(100000);
  EXPECT_EQ(banners.Index(), 0);
  EXPECT_TRUE(banners.CurrentImage(0).Pixels.empty());
}

TEST_F(BannerAnimation, DeletingOrClearingStartsAgainFromTheFirstBanner) {
  const std::string one = Gif(1, 1, {Full(1, 1, 1, 0)});
  Load({{1, one}, {1, Gif(1, 1, {Full(1, 1, 2, 0)})}, {1, one}});
  Pixels(0);
  Banners.Tick(0);
  Banners.Tick(0);
  ASSERT_EQ(Banners.Index(), 2);
  Banners.Delete(2);
  EXPECT_EQ(Banners.Index(), 0);
  EXPECT_EQ(Pixels(0)[0], kRed);
  Banners.Clear();
  EXPECT_EQ(Banners.CurrentImage(0).Width, 0);
}

}  // namespace
