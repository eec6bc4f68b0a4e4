#include "gfx/panels.h"

#include <gtest/gtest.h>

#include "gfx/surface_collection.h"
#include "platform/surface.h"
#include "tests/gfx/fixtures.h"

namespace {

constexpr std::uint32_t kBackground = 0x123456;
constexpr std::uint32_t kPanelKey = 0x00FF00;
constexpr int kX = 20;
constexpr int kY = 10;

// A panel whose every pixel tells its column and row, with one black and one keyed pixel.
TImage Panel(int width, int height, std::uint32_t tag) {
  TImage image = fixtures::Filled(width, height, 0);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) image.Pixels[y * width + x] = tag | (x << 8) | (y + 1);
  image.Pixels[0] = 0;
  image.Pixels[1] = kPanelKey;
  return image;
}

class DrawPanelsTest : public testing::Test {
protected:
  void SetUp() override {
    FLeft = Panel(5, 4, 0x400000);
    FRight = Panel(7, 3, 0x800000);
    for (auto [name, image] : {std::pair{"PAN_L", &FLeft}, {"PAN_R", &FRight}}) {
      const int index = FSprites.AddSurface(name, *image);
      FSprites.GetSurface(index)->SetColorKey(kPanelKey);
    }
    ASSERT_TRUE(FTarget.SetSize(40, 20));
    FTarget.Fill(kBackground);
  }

  // The first `shown` columns of each panel, the left ending at kX, the right starting there.
  void ExpectShown(int leftShown, int rightShown) {
    for (int y = 0; y < FTarget.Height(); ++y)
      for (int x = 0; x < FTarget.Width(); ++x) {
        std::uint32_t expected = kBackground;
        const int lx = x - (kX - leftShown), ly = y - (kY - FLeft.Height / 2);
        const int rx = x - kX, ry = y - (kY - FRight.Height / 2);
        if (lx >= 0 && lx < leftShown && ly >= 0 && ly < FLeft.Height) expected = FLeft.Pixel(lx, ly);
        if (rx >= 0 && rx < rightShown && ry >= 0 && ry < FRight.Height) expected = FRight.Pixel(rx, ry);
        if (expected == 0 || expected == kPanelKey) expected = kBackground;
        ASSERT_EQ(FTarget.Pixel(x, y), expected) << "at " << x << "," << y;
      }
  }

  TImage FLeft, FRight;
  TSurfaceSortCollection FSprites;
  TSurface FTarget;
};

TEST_F(DrawPanelsTest, ShrinksBothHalvesTowardTheSeam) {
  struct TCase {
    int Position, LeftShown, RightShown;
  };
  // Widths 5 and 7: at half way 2.5 and 3.5 columns slide away, rounded to 2 and 4.
  const TCase cases[] = {{0, 5, 7}, {5, 3, 3}, {-5, 3, 3}, {2, 4, 6}, {10, 0, 0}, {-10, 0, 0}, {15, 0, 0}};
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Position);
    FTarget.Fill(kBackground);
    DrawPanels(FTarget, FSprites, kX, kY, c.Position, 10, "PAN_L", "PAN_R");
    ExpectShown(c.LeftShown, c.RightShown);
  }
}

TEST_F(DrawPanelsTest, WithoutStepsIsWholeOnlyAtZero) {
  DrawPanels(FTarget, FSprites, kX, kY, 0, 0, "PAN_L", "PAN_R");
  ExpectShown(5, 7);
  FTarget.Fill(kBackground);
  DrawPanels(FTarget, FSprites, kX, kY, INT32_MIN, 0, "PAN_L", "PAN_R");
  ExpectShown(0, 0);
}

TEST_F(DrawPanelsTest, MissingPanelIsNotDrawn) {
  DrawPanels(FTarget, FSprites, kX, kY, 0, 10, "NONE", "PAN_R");
  ExpectShown(0, 7);
}

}  // namespace
