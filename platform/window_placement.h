#pragma once

// The game window as the player left it: its size in window coordinates while not full
// screen (0 x 0 when never kept) and whether it filled the screen.
struct TWindowPlacement {
  int Width = 0;
  int Height = 0;
  bool Fullscreen = false;
  bool operator==(const TWindowPlacement&) const = default;
};

// A kept placement made usable on this desktop: at least the picture's size, at most the
// usable area (unless that is smaller than the picture); a size never kept stays 0 x 0.
TWindowPlacement FitPlacement(const TWindowPlacement& kept, int pictureWidth, int pictureHeight, int usableWidth,
                              int usableHeight);
