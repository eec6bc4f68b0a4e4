#include "platform/sdl_message_box.h"

#include <SDL.h>

#include <cstdio>

#include "base/cp1251.h"
#include "platform/quit_signals.h"

void TSdlMessageBox::Show(const std::string& text) {
  const std::string message = Utf8(text);
  const TModalScope modal;
  if (SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_INFORMATION, FTitle.c_str(), message.c_str(), FParent) != 0)
    std::fprintf(stderr, "%s\n", message.c_str());
}
