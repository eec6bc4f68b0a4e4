// The window's title as X11 clients read it, on an Xvfb server of the test's own. Skipped where
// Xvfb or xprop is not installed (tools/setup.sh installs both).
#include <SDL.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "platform/window.h"
#include "tests/support/virtual_display.h"

// Last: the X11 headers it brings define names such as None that GoogleTest uses.
#include <SDL_syswm.h>

namespace {

std::string Output(const std::string& command) {
  std::string out;
  FILE* pipe = ::popen(command.c_str(), "r");
  if (!pipe) return out;
  char buffer[512];
  std::size_t got;
  while ((got = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) out.append(buffer, got);
  ::pclose(pipe);
  return out;
}

}  // namespace

TEST(WindowTitle, BothX11TitlePropertiesReadAsTheGamesName) {
  if (!Installed("Xvfb") || !Installed("xprop")) GTEST_SKIP() << "Xvfb or xprop is not installed";
  TVirtualDisplay display;
  ASSERT_FALSE(display.Name().empty()) << "Xvfb did not start";
  // A desktop session's environment: its display and a UTF-8 locale.
  ::setenv("DISPLAY", display.Name().c_str(), 1);
  ::setenv("SDL_VIDEODRIVER", "x11", 1);
  ::setenv("LC_ALL", "C.UTF-8", 1);
  ASSERT_EQ(SDL_Init(SDL_INIT_VIDEO), 0) << SDL_GetError();
  {
    TGameWindow window("Тысяча", 200, 100, TWindowFrame::wfCaption);
    ASSERT_NE(window.Handle(), nullptr) << SDL_GetError();
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    ASSERT_TRUE(SDL_GetWindowWMInfo(window.Handle(), &info));
    const std::string id = std::to_string(static_cast<unsigned long>(info.info.x11.window));
    for (const char* property : {"WM_NAME", "_NET_WM_NAME"}) {
      const std::string said = Output("xprop -display " + display.Name() + " -id " + id + " " + property);
      EXPECT_NE(said.find(") = \"Тысяча\"\n"), std::string::npos) << said;
    }
  }
  SDL_Quit();
}
