#include "platform/letterbox.h"

#include <gtest/gtest.h>

namespace {

TEST(Letterbox, TheFactorIsTheLargestWholeOneThatFits) {
  struct TCase {
    int Width, Height, Factor;
  };
  // The first window takes 85 % of the usable desktop: 1920×1080 → 1632×918, 3840×2160 → 3264×1836.
  for (const TCase& c : {TCase{600, 420, 1}, TCase{1199, 1000, 1}, TCase{1200, 840, 2}, TCase{1632, 918, 2},
                         TCase{3264, 1836, 4}, TCase{2200, 1260, 3}, TCase{300, 200, 1}, TCase{0, 0, 1}})
    EXPECT_EQ(LargestFactor(600, 420, c.Width, c.Height), c.Factor) << c.Width << "x" << c.Height;
}

TEST(Letterbox, ThePictureIsCentredAndTheMouseMapsBackToItsPixels) {
  struct TCase {
    int DrawableWidth, DrawableHeight, WindowWidth;
    int Factor, Left, Top;
  };
  for (const TCase& c : {TCase{600, 420, 600, 1, 0, 0}, TCase{1300, 900, 1300, 2, 50, 30},
                         TCase{1800, 1260, 1800, 3, 0, 0}, TCase{2500, 1700, 2500, 4, 50, 10},
                         TCase{2400, 1680, 1200, 4, 0, 0}}) {  // the last at a desktop scale of 2
    const TLetterbox box = FitPicture(600, 420, c.DrawableWidth, c.DrawableHeight, c.WindowWidth);
    EXPECT_EQ(box.Factor, c.Factor);
    EXPECT_EQ(box.Left, c.Left);
    EXPECT_EQ(box.Top, c.Top);
    const double points = box.PixelsPerPoint;
    const auto at = [&](int pixelX, int pixelY) {
      return PicturePointOf(box, static_cast<int>(pixelX / points), static_cast<int>(pixelY / points));
    };
    const int k = box.Factor;
    EXPECT_EQ(at(c.Left, c.Top), (TPicturePoint{0, 0})) << c.Factor;
    EXPECT_EQ(at(c.Left + 599 * k + k - 1, c.Top + 419 * k + k - 1), (TPicturePoint{599, 419})) << c.Factor;
    EXPECT_EQ(at(c.Left + 100 * k + k / 2, c.Top + 50 * k), (TPicturePoint{100, 50})) << c.Factor;
    if (c.Left > 0) {
      EXPECT_EQ(at(c.Left - 1, c.Top + 10), std::nullopt) << "left margin " << c.Factor;
      EXPECT_EQ(at(c.Left + 600 * k, c.Top + 10), std::nullopt) << "right margin " << c.Factor;
    }
    if (c.Top > 0) {
      EXPECT_EQ(at(c.Left + 10, c.Top - 1), std::nullopt) << "top margin " << c.Factor;
      EXPECT_EQ(at(c.Left + 10, c.Top + 420 * k), std::nullopt) << "bottom margin " << c.Factor;
    }
  }
}

}  // namespace
