// The game window on a real X server (an Xvfb of the test's own, skipped without one): its first
// size, and a picture shown at three times its size in a window of any size.
#include <SDL.h>
#include <gtest/gtest.h>

#include <cstdlib>

#include "platform/surface.h"
#include "platform/window.h"
#include "tests/support/virtual_display.h"

// SDL_Quit unloads X11's GL driver before the leak checker of the sanitizer build runs, and
// the driver's never-freed allocations are then nameless and cannot be suppressed; this program
// checks memory errors only.
extern "C" int __lsan_is_turned_off() { return 1; }

namespace {

// Distinct neighbours everywhere, so a misplaced or blurred pixel shows.
TImage Pattern(int width, int height) {
  TImage image{width, height, std::vector<std::uint32_t>(static_cast<std::size_t>(width) * height)};
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x)
      image.Pixels[static_cast<std::size_t>(y) * width + x] = ((x * 7) & 0xFF) << 16 | ((y * 5) & 0xFF) << 8 | ((x + y) & 0xFF);
  return image;
}

// SDL's video on the test's own X server.
void UseDisplay(const TVirtualDisplay& display) {
  ASSERT_FALSE(display.Name().empty()) << "Xvfb did not start";
  ::setenv("DISPLAY", display.Name().c_str(), 1);
  ::setenv("SDL_VIDEODRIVER", "x11", 1);
  ASSERT_EQ(SDL_Init(SDL_INIT_VIDEO), 0) << SDL_GetError();
}

// Lets the X server answer until `done` holds, for at most two seconds.
template <class TDone>
bool Settled(TDone done) {
  for (int i = 0; i < 200 && !done(); ++i) {
    SDL_PumpEvents();
    SDL_Delay(10);
  }
  return done();
}

TEST(ScaledWindow, OpensLargeOnABigScreenAndShowsEachPixelAsASquare) {
  if (!Installed("Xvfb")) GTEST_SKIP() << "Xvfb is not installed";
  TVirtualDisplay display("2560x1600x24");
  ASSERT_NO_FATAL_FAILURE(UseDisplay(display));
  {
    TGameWindow window("Тысяча", 600, 420, TWindowFrame::wfResizable);
    ASSERT_TRUE(window.Valid()) << SDL_GetError();
    int width = 0, height = 0;
    SDL_GetWindowSize(window.Handle(), &width, &height);
    EXPECT_EQ(width, 1800) << "85 % of 2560×1600 holds the table three times";
    EXPECT_EQ(height, 1260);

    window.Show();
    SDL_SetWindowSize(window.Handle(), 1840, 1280);
    ASSERT_TRUE(Settled([&] {
      SDL_GetWindowSize(window.Handle(), &width, &height);
      return width == 1840;
    }));
    const TImage picture = Pattern(600, 420);
    ASSERT_TRUE(window.BeginComposing());
    window.DrawImage(picture, 0, 0);
    const TLetterbox box = window.Letterbox();
    ASSERT_EQ(box.Factor, 3);
    ASSERT_EQ(box.Left, 20);
    ASSERT_EQ(box.Top, 10);
    const TImage drawable = window.ReadDrawable();
    int differing = 0;
    for (int y = 0; y < 420 * 3; ++y)
      for (int x = 0; x < 600 * 3; ++x)
        if (drawable.Pixel(20 + x, 10 + y) != picture.Pixel(x / 3, y / 3)) ++differing;
    EXPECT_EQ(differing, 0);
    EXPECT_EQ(drawable.Pixel(3, 3), 0x1C120Bu) << "the margin";
    EXPECT_EQ(drawable.Pixel(1839, 1279), 0x1C120Bu);
    EXPECT_EQ(window.ReadFrame().Pixels, picture.Pixels);

    // A part laid alone: the rest of the frame stays as it was.
    TImage changed = picture;
    const TRect part{100, 50, 40, 30};
    for (int y = part.Top; y < part.Top + part.Height; ++y)
      for (int x = part.Left; x < part.Left + part.Width; ++x)
        changed.Pixels[static_cast<std::size_t>(y) * 600 + x] = 0x00FF00FF;
    TSurface surface;
    ASSERT_TRUE(surface.LoadImage(changed));
    ASSERT_TRUE(window.BeginComposing());
    ASSERT_FALSE(window.PictureMadeAnew());
    window.DrawSurfacePart(surface, part, 0, 0);
    EXPECT_EQ(window.ReadFrame().Pixels, changed.Pixels);
  }
  SDL_Quit();
}

TEST(ScaledWindow, TakesBackAKeptSizeAndRemembersItThroughFullScreen) {
  if (!Installed("Xvfb")) GTEST_SKIP() << "Xvfb is not installed";
  TVirtualDisplay display("1920x1080x24");
  ASSERT_NO_FATAL_FAILURE(UseDisplay(display));
  {
    TGameWindow window("Тысяча", 600, 420, TWindowFrame::wfResizable);
    ASSERT_TRUE(window.Valid()) << SDL_GetError();
    window.Restore({1240, 880, false});
    window.Show();
    ASSERT_TRUE(Settled([&] { return window.Placement() == TWindowPlacement{1240, 880, false}; }));

    window.ToggleFullscreen();
    EXPECT_TRUE(Settled([&] { return window.Placement() == TWindowPlacement{1240, 880, true}; }))
        << "full screen keeps the size to come back to";
    window.ToggleFullscreen();
    EXPECT_TRUE(Settled([&] { return window.Placement() == TWindowPlacement{1240, 880, false}; }));
  }
  SDL_Quit();
}

}  // namespace
