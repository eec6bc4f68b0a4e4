#pragma once

#include <optional>

// How the game's fixed-size picture lies in a window of any size: scaled by the largest whole
// factor that fits (pixels repeated, never blurred), centred, the rest a margin. Sizes of the
// drawable are real pixels; window coordinates (the mouse's) may be fewer on a HiDPI screen.
struct TLetterbox {
  int PictureWidth = 0;
  int PictureHeight = 0;
  int DrawableWidth = 0;
  int DrawableHeight = 0;
  int Factor = 1;
  int Left = 0;  // the picture's top left corner in drawable pixels
  int Top = 0;
  double PixelsPerPoint = 1.0;  // drawable pixels per window coordinate
};

struct TPicturePoint {
  int X = 0;
  int Y = 0;
  bool operator==(const TPicturePoint&) const = default;
};

// The largest whole factor at which the picture fits into the space (at least 1).
int LargestFactor(int pictureWidth, int pictureHeight, int spaceWidth, int spaceHeight);

// The picture in a drawable of that size; `windowWidth` is the same width in window coordinates.
TLetterbox FitPicture(int pictureWidth, int pictureHeight, int drawableWidth, int drawableHeight, int windowWidth);

// A window coordinate as a pixel of the picture; nothing in the margin.
std::optional<TPicturePoint> PicturePointOf(const TLetterbox& box, int windowX, int windowY);
