#include "platform/window_placement.h"

#include <algorithm>

TWindowPlacement FitPlacement(const TWindowPlacement& kept, int pictureWidth, int pictureHeight, int usableWidth,
                              int usableHeight) {
  TWindowPlacement fitted{0, 0, kept.Fullscreen};
  if (kept.Width <= 0 || kept.Height <= 0) return fitted;
  fitted.Width = std::clamp(kept.Width, pictureWidth, std::max(pictureWidth, usableWidth));
  fitted.Height = std::clamp(kept.Height, pictureHeight, std::max(pictureHeight, usableHeight));
  return fitted;
}
