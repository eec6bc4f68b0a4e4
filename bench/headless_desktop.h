#pragma once

#include <cstdio>
#include <cstdlib>
#include <string>

#include "app/main_form.h"
#include "platform/clock.h"
#include "platform/link_opener.h"
#include "platform/message_box.h"
#include "platform/sound.h"

// The desktop services of a window benchmark: no sound, no links, messages printed, the real
// clock, the game's data in the build's runtime folder.
class TSilence final : public ISound {
public:
  void Play(int) override {}
};
class TNoLinks final : public ILinkOpener {
public:
  void Open(const std::string&) override {}
};
class TPrintedMessages final : public IMessageBox {
public:
  void Show(const std::string& text) override { std::fprintf(stderr, "message: %s\n", text.c_str()); }
};

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
