#pragma once

#include <gtest/gtest.h>

#include <SDL.h>

#include <filesystem>
#include <memory>
#include <string>

#include "app/main_form.h"
#include "base/image.h"
#include "tests/support/fake_desktop.h"
#include "tests/support/fake_message_box.h"
#include "tests/support/zone_clicks.h"

// SDL's video (offscreen under the test runner) and desktop fakes for one main window. SDL
// and one hidden GL window stay until the program ends: SDL unloads the GL driver with its
// last GL window, and the leak checker could then no longer tell the driver's own
// allocations (see gl_leak_suppressions.cpp) from ours.
class TWindowTest : public ::testing::Test {
protected:
  static void SetUpTestSuite() {
    static SDL_Window* const keeper = [] {
      if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_EVENTS) != 0) return static_cast<SDL_Window*>(nullptr);
      return SDL_CreateWindow("keeper", 0, 0, 1, 1, SDL_WINDOW_OPENGL | SDL_WINDOW_HIDDEN);
    }();
    ASSERT_NE(keeper, nullptr) << SDL_GetError();
  }

  // A main window whose executable's folder is `folder` (the build's runtime folder unless told).
  std::unique_ptr<TfmMain> MakeForm(const std::string& folder = THOUSAND_RUNTIME_DIR) {
    return std::make_unique<TfmMain>(TDesktopServices{Messages, Sound, Links, Clock, folder});
  }

  TFakeMessageBox Messages;
  TFakeSound Sound;
  TFakeLinkOpener Links;
  TFakeClock Clock;
};

inline bool IsBlack(std::uint32_t pixel) { return (pixel & 0x00FFFFFFu) == 0; }

// Whether any pixel of the rectangle is not black.
inline bool AnyLit(const TImage& image, int left, int top, int width, int height) {
  for (int y = top; y < top + height; ++y)
    for (int x = left; x < left + width; ++x)
      if (!IsBlack(image.Pixel(x, y))) return true;
  return false;
}

// Copies the built data files named into `folder`.
inline void CopyRuntimeFiles(const std::filesystem::path& folder, std::initializer_list<const char*> names) {
  for (const char* name : names)
    std::filesystem::copy_file(std::filesystem::path(THOUSAND_RUNTIME_DIR) / name, folder / name,
                               std::filesystem::copy_options::overwrite_existing);
}
