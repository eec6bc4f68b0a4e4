#pragma once

#include <cstdlib>

#include "app/main_form.h"
#include "platform/clock.h"
#include "platform/silent_services.h"

// The desktop services of a window benchmark: silent, the real clock, the game's data in the
// build's runtime folder.
struct TDesktop {
  TSilence Sound;
  TNoLinks Links;
  TPrintedMessages Messages;
  TMessageBoxScope Scope{Messages};
  TSdlClock Clock;
  TDesktopServices Services() { return {Messages, Sound, Links, Clock, THOUSAND_RUNTIME_DIR}; }
};

// The offscreen video driver gives a real OpenGL context without a display.
inline void Headless() {
  setenv("SDL_VIDEODRIVER", "offscreen", 0);
  setenv("SDL_AUDIODRIVER", "dummy", 0);
}
