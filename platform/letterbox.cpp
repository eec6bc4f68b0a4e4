#include "platform/letterbox.h"

#include <algorithm>
#include <cmath>

int LargestFactor(int pictureWidth, int pictureHeight, int spaceWidth, int spaceHeight) {
  if (pictureWidth <= 0 || pictureHeight <= 0) return 1;
  return std::max(1, std::min(spaceWidth / pictureWidth, spaceHeight / pictureHeight));
}

TLetterbox FitPicture(int pictureWidth, int pictureHeight, int drawableWidth, int drawableHeight, int windowWidth) {
  TLetterbox box;
  box.PictureWidth = pictureWidth;
  box.PictureHeight = pictureHeight;
  box.DrawableWidth = drawableWidth;
  box.DrawableHeight = drawableHeight;
  box.Factor = LargestFactor(pictureWidth, pictureHeight, drawableWidth, drawableHeight);
  box.Left = (drawableWidth - pictureWidth * box.Factor) / 2;
  box.Top = (drawableHeight - pictureHeight * box.Factor) / 2;
  box.PixelsPerPoint = windowWidth > 0 ? static_cast<double>(drawableWidth) / windowWidth : 1.0;
  return box;
}

std::optional<TPicturePoint> PicturePointOf(const TLetterbox& box, int windowX, int windowY) {
  const int x = static_cast<int>(std::floor(windowX * box.PixelsPerPoint)) - box.Left;
  const int y = static_cast<int>(std::floor(windowY * box.PixelsPerPoint)) - box.Top;
  if (x < 0 || y < 0) return std::nullopt;
  const TPicturePoint point{x / box.Factor, y / box.Factor};
  if (point.X >= box.PictureWidth || point.Y >= box.PictureHeight) return std::nullopt;
  return point;
}
