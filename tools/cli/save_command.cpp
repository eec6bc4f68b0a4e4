// thousand-cli save: what a saved game holds, read the way the game loads it.
#include <iostream>

#include "base/cp1251.h"
#include "game/game.h"
#include "tools/cli/command.h"

namespace {

int RunSave(std::span<const std::string> args) {
  if (args.size() != 1 || args[0].starts_with("--")) {
    std::cerr << "save: give one saved game (FILE.sav)\n";
    return ExitBadInput;
  }
  TGame game;
  const TSavedGameError error = game.LoadGameWithReason(args[0]);
  if (error != TSavedGameError::None) {
    std::cerr << "save: " << args[0] << ": " << SavedGameErrorText(error) << "\n";
    return ExitBadInput;
  }
  for (int i = 0; i < game.Players().Count(); ++i) {
    const TPlayer& player = game.Players().Player(i);
    std::cout << "player " << i << ": name=" << Utf8(player.FName) << " kind=" << int{player.FKind}
              << " level=" << int{player.FLevel} << " total=" << player.Total() << " bolts=" << int{player.FBolts}
              << " barrel_tries=" << int{player.FBarrelTries} << " barrel_falls=" << int{player.FBarrelFalls}
              << " entered=" << (player.FEntered ? 1 : 0) << "\n";
  }
  std::cout << "current: " << game.CurrentPlayerIndex() << "\n" << FormatOptionLines(game.Options());
  return 0;
}

}  // namespace

extern const TCommand SaveCommand{
    "save", "show what a saved game holds",
    "usage: thousand-cli save FILE.sav\n\n"
    "Loads the saved game as the game does and prints one line per player\n"
    "(player I: name=... kind=K level=L total=T bolts=B barrel_tries=R barrel_falls=F\n"
    "entered=0|1, the name in UTF-8), then \"current: C\" (the index of the player whose\n"
    "turn it is), then the saved rules as the 25 KEY=VALUE lines.\n"
    "A file the game would refuse (missing, bad magic, bad checksum, truncated) prints the\n"
    "reason on stderr and exits with status 2.\n",
    RunSave};
