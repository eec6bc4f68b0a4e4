// The game "Тысяча": the main window with its loading window, run until it closes.
#include <SDL.h>

#include <cstdio>
#include <string>
#include <vector>

#include "app/command_line.h"
#include "app/main_form.h"
#include "assets/embedded.h"
#include "platform/clock.h"
#include "platform/executable_folder.h"
#include "platform/link_opener.h"
#include "platform/quit_signals.h"
#include "platform/sdl_message_box.h"
#include "platform/sound.h"
#include "platform/user_folders.h"

int main(int argc, char** argv) {
  const std::vector<std::string> arguments(argv + (argc > 0 ? 1 : 0), argv + argc);
  const TLaunchRequest request = ReadCommandLine(arguments);
  if (request.What != TLaunch::Play) {
    std::fputs(request.Text.c_str(), request.What == TLaunch::Refuse ? stderr : stdout);
    return request.What == TLaunch::Refuse ? 2 : 0;
  }
  SDL_SetHint(SDL_HINT_APP_NAME, "Тысяча");
  // Our own handlers end the game by its close path, SIGHUP (a logout) included.
  SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
  if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_EVENTS) != 0) {
    std::fprintf(stderr, "thousand: %s\n", SDL_GetError());
    return 1;
  }
  InstallQuitSignals();
  const std::string executableFolder = ExecutableFolder();
  const std::string folder = GameDataFolder(executableFolder);
  TSdlMessageBox messages("Тысяча");
  TMessageBoxScope messageScope(messages);
  TSdlSound sound({EmbeddedSound(0), EmbeddedSound(1), EmbeddedSound(2), EmbeddedSound(3)});
  TSdlLinkOpener links(folder);
  TSdlClock clock;
  int status = 0;
  {
    const TUserFolders user = UserFoldersOf(executableFolder, folder);
    TfmMain form({messages, sound, links, clock, folder, {}, user.Data, user.Settings, user.Cache});
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
