// The game "Тысяча": the main window with its loading window, run until it closes.
#include <SDL.h>

#include <cstdio>

#include "app/main_form.h"
#include "assets/embedded.h"
#include "platform/clock.h"
#include "platform/executable_folder.h"
#include "platform/link_opener.h"
#include "platform/sdl_message_box.h"
#include "platform/sound.h"

int main(int, char**) {
  SDL_SetHint(SDL_HINT_APP_NAME, "Тысяча");
  if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_EVENTS) != 0) {
    std::fprintf(stderr, "thousand: %s\n", SDL_GetError());
    return 1;
  }
  const std::string folder = ExecutableFolder();
  TSdlMessageBox messages("Тысяча");
  TMessageBoxScope messageScope(messages);
  TSdlSound sound({EmbeddedSound(0), EmbeddedSound(1), EmbeddedSound(2), EmbeddedSound(3)});
  TSdlLinkOpener links(folder);
  TSdlClock clock;
  int status = 0;
  {
    TfmMain form({messages, sound, links, clock, folder});
    if (form.WindowReady()) {
      messages.SetParent(form.Window().Handle());
      form.FormShow();
      form.Run();
    } else {
      std::fprintf(stderr, "thousand: no window: %s\n", SDL_GetError());
      status = 1;
    }
  }
  SDL_Quit();
  return status;
}
