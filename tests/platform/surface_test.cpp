#include "platform/surface.h"

#include <gtest/gtest.h>

#include <climits>

#include "tests/gfx/fixtures.h"

namespace {

constexpr std::uint32_t kBackground = 0x123456;

// Every pixel different: 0x00XXYY plus a base, so a misplaced copy is caught.
TImage Numbered(int width, int height) {
  TImage image = fixtures::Filled(width, height, 0);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) image.Pixels[y * width + x] = 0x800000 | (x << 8) | y;
  return image;
}

// The target must show `source`'s rectangle `from` at (x, y) and the background elsewhere.
void ExpectDrawnAt(const TSurface& target, const TImage& source, const TRect& from, int x, int y) {
  for (int ty = 0; ty < target.Height(); ++ty)
    for (int tx = 0; tx < target.Width(); ++tx) {
      const long long fx = static_cast<long long>(tx) - x + from.Left;
      const long long fy = static_cast<long long>(ty) - y + from.Top;
      const bool inside = fx >= from.Left && fy >= from.Top && fx < from.Left + from.Width &&
                          fy < from.Top + from.Height && fx >= 0 && fy >= 0 && fx < source.Width &&
                          fy < source.Height;
      const std::uint32_t expected = inside ? source.Pixel(static_cast<int>(fx), static_cast<int>(fy)) : kBackground;
      ASSERT_EQ(target.Pixel(tx, ty), expected) << "at " << tx << "," << ty;
    }
}

TEST(Surface, StartsEmptyAndTakesSizeAndImage) {
  TSurface surface;
  EXPECT_EQ(surface.Width(), 0);
  EXPECT_EQ(surface.ColorKey(), 0u);
  ASSERT_TRUE(surface.SetSize(5, 3));
  EXPECT_EQ(surface.Width(), 5);
  EXPECT_EQ(surface.Height(), 3);
  EXPECT_EQ(surface.Pixel(4, 2), 0u);

  const TImage image = Numbered(3, 2);
  ASSERT_TRUE(surface.LoadImage(image));
  EXPECT_EQ(surface.Width(), 3);
  EXPECT_EQ(surface.Height(), 2);
  EXPECT_EQ(surface.Pixel(2, 1), image.Pixel(2, 1));
}

TEST(Surface, IgnoresTheUnusedTopByteOfImagePixels) {
  TSurface surface;
  ASSERT_TRUE(surface.LoadImage(fixtures::Filled(1, 1, 0xAB00FF00)));
  EXPECT_EQ(surface.Pixel(0, 0), 0x00FF00u);
}

TEST(Surface, RefusesUnusableSizesAndImages) {
  TImage short_pixels = fixtures::Filled(3, 3, 1);
  short_pixels.Pixels.pop_back();
  TImage negative = fixtures::Filled(0, 0, 0);
  negative.Width = -1;
  for (const TImage& bad : {short_pixels, negative}) {
    TSurface surface;
    ASSERT_TRUE(surface.SetSize(2, 2));
    EXPECT_FALSE(surface.LoadImage(bad));
    EXPECT_EQ(surface.Width(), 0);
  }
  TSurface surface;
  EXPECT_FALSE(surface.SetSize(-1, 4));
  EXPECT_FALSE(surface.SetSize(INT_MAX, INT_MAX));
  EXPECT_TRUE(surface.SetSize(0, 0));
}

TEST(Surface, ReadsAllPixelsRowByRow) {
  const TImage image = Numbered(3, 2);
  TSurface surface;
  ASSERT_TRUE(surface.LoadImage(image));
  surface.FillRect({2, 1, 1, 1}, 0xFF123456);
  std::vector<std::uint32_t> pixels(6, 0xDEADBEEF);
  surface.ReadPixels(pixels.data());
  std::vector<std::uint32_t> expected = image.Pixels;
  expected[5] = 0x123456;
  EXPECT_EQ(pixels, expected);
}

TEST(Surface, PixelOutsideIsZero) {
  TSurface surface;
  ASSERT_TRUE(surface.LoadImage(fixtures::Filled(2, 2, 0xFFFFFF)));
  for (auto [x, y] : {std::pair{-1, 0}, {0, -1}, {2, 0}, {0, 2}, {INT_MIN, INT_MAX}})
    EXPECT_EQ(surface.Pixel(x, y), 0u) << x << "," << y;
}

TEST(Surface, FillRectIsClipped) {
  TSurface surface;
  ASSERT_TRUE(surface.SetSize(4, 4));
  surface.Fill(kBackground);
  surface.FillRect({-2, 2, 3, 10}, 0xFF);
  surface.FillRect({INT_MAX - 1, 0, INT_MAX, 1}, 0xFF);
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 4; ++x) EXPECT_EQ(surface.Pixel(x, y), x == 0 && y >= 2 ? 0xFFu : kBackground);
}

TEST(Surface, TransparentDrawLeavesOutTheColourKey) {
  const TImage image = fixtures::Pattern({"#k#"});
  TImage keyed = image;
  keyed.Pixels[1] = 0x00FF00;
  TSurface source;
  ASSERT_TRUE(source.LoadImage(keyed));
  source.SetColorKey(0x00FF00);
  TSurface target;
  ASSERT_TRUE(target.SetSize(3, 1));

  target.Fill(kBackground);
  target.Draw(0, 0, source, true);
  EXPECT_EQ(target.Pixel(0, 0), 0xFFFFFFu);
  EXPECT_EQ(target.Pixel(1, 0), kBackground);

  target.Draw(0, 0, source, false);
  EXPECT_EQ(target.Pixel(1, 0), 0x00FF00u);

  // A key set later, and a key kept over a new image, both apply.
  source.SetColorKey(0xFFFFFF);
  target.Fill(kBackground);
  target.Draw(0, 0, source, true);
  EXPECT_EQ(target.Pixel(0, 0), kBackground);
  EXPECT_EQ(target.Pixel(1, 0), 0x00FF00u);
  ASSERT_TRUE(source.LoadImage(fixtures::Filled(3, 1, 0xFFFFFF)));
  target.Fill(kBackground);
  target.Draw(0, 0, source, true);
  EXPECT_EQ(target.Pixel(2, 0), kBackground);
}

TEST(Surface, FreshSurfaceKeysOutBlack) {
  TSurface source;
  ASSERT_TRUE(source.LoadImage(fixtures::Pattern({"#."})));
  TSurface target;
  ASSERT_TRUE(target.SetSize(2, 1));
  target.Fill(kBackground);
  target.Draw(0, 0, source, true);
  EXPECT_EQ(target.Pixel(0, 0), 0xFFFFFFu);
  EXPECT_EQ(target.Pixel(1, 0), kBackground);
}

struct TClipCase {
  const char* Name;
  int X, Y;
  TRect From;
  friend void PrintTo(const TClipCase& c, std::ostream* out) { *out << c.Name; }
};

class SurfaceClipping : public testing::TestWithParam<TClipCase> {};

TEST_P(SurfaceClipping, CopiesOnlyWhatLiesOnBothSurfaces) {
  const TClipCase& c = GetParam();
  const TImage image = Numbered(4, 3);
  TSurface source;
  ASSERT_TRUE(source.LoadImage(image));
  TSurface target;
  ASSERT_TRUE(target.SetSize(10, 8));
  target.Fill(kBackground);
  const TRect from = c.From.Width ? c.From : source.FullRect();
  target.Draw(c.X, c.Y, source, from, false);
  ExpectDrawnAt(target, image, from, c.X, c.Y);
}

INSTANTIATE_TEST_SUITE_P(
    Edges, SurfaceClipping,
    testing::Values(TClipCase{"inside", 3, 2, {}}, TClipCase{"left", -2, 2, {}}, TClipCase{"right", 8, 2, {}},
                    TClipCase{"top", 3, -2, {}}, TClipCase{"bottom", 3, 6, {}}, TClipCase{"topLeft", -3, -2, {}},
                    TClipCase{"bottomRight", 9, 7, {}}, TClipCase{"allLeft", -4, 0, {}},
                    TClipCase{"allRight", 10, 0, {}}, TClipCase{"allBelow", 0, 8, {}},
                    TClipCase{"farAway", INT_MAX - 1, INT_MIN + 1, {}}, TClipCase{"part", 1, 1, {1, 1, 2, 2}},
                    TClipCase{"partPastSource", 1, 1, {2, -1, 5, 9}}, TClipCase{"partAndEdge", -1, -1, {1, 1, 3, 2}},
                    TClipCase{"partOffSource", 0, 0, {7, 7, 2, 2}}, TClipCase{"negativeSize", 0, 0, {0, 0, -3, 2}},
                    TClipCase{"hugePart", 0, 0, {INT_MIN, INT_MIN, INT_MAX, INT_MAX}}),
    [](const testing::TestParamInfo<TClipCase>& info) { return info.param.Name; });

TEST(Surface, DrawingWithOrOntoEmptySurfacesDoesNothing) {
  TSurface empty;
  TSurface target;
  ASSERT_TRUE(target.SetSize(2, 2));
  target.Fill(kBackground);
  target.Draw(0, 0, empty, true);
  empty.Draw(0, 0, target, false);
  target.Draw(0, 0, target, false);
  EXPECT_EQ(target.Pixel(1, 1), kBackground);
}

}  // namespace
