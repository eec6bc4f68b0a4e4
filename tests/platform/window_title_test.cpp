// The window's title as X11 clients read it, on an Xvfb server of the test's own. Skipped where
// Xvfb or xprop is not installed (tools/setup.sh installs both).
#include <SDL.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "platform/window.h"

// Last: the X11 headers it brings define names such as None that GoogleTest uses.
#include <SDL_syswm.h>

namespace {

bool Installed(const std::string& program) {
  return std::system(("command -v " + program + " >/dev/null 2>&1").c_str()) == 0;
}

// An X server on the first free display, stopped with the object.
class TVirtualDisplay {
public:
  TVirtualDisplay() {
    int pipeFds[2];
    if (::pipe(pipeFds) != 0) return;
    FPid = ::fork();
    if (FPid == 0) {
      ::close(pipeFds[0]);
      const std::string fd = std::to_string(pipeFds[1]);
      ::execlp("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-nolisten", "tcp", "-screen", "0", "640x480x24",
               static_cast<char*>(nullptr));
      ::_exit(127);
    }
    ::close(pipeFds[1]);
    // Xvfb writes the display number and then a newline once it accepts clients; closing
    // the pipe before the newline arrives would stop it.
    std::string number;
    char c;
    while (FPid > 0 && ::read(pipeFds[0], &c, 1) == 1 && c != '\n') number += c;
    ::close(pipeFds[0]);
    if (!number.empty()) FName = ":" + number;
  }
  ~TVirtualDisplay() {
    if (FPid <= 0) return;
    ::kill(FPid, SIGTERM);
    ::waitpid(FPid, nullptr, 0);
  }
  TVirtualDisplay(const TVirtualDisplay&) = delete;
  TVirtualDisplay& operator=(const TVirtualDisplay&) = delete;

  const std::string& Name() const { return FName; }  // empty when the server did not start

private:
  pid_t FPid = -1;
  std::string FName;
};

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
