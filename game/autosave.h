#pragma once

#include <optional>
#include <string>

#include "game/game.h"
#include "game/game_loop.h"

// The local game in progress, kept in an ordinary saved-game file so that a program ended by
// its close box, Esc, a logout or a signal loses nothing: written whenever what a saved game
// holds may have changed (a recorded or lost turn, a start, a win, a menu closed after a load or
// an edit) and on every way out, removed once the game is over or the table is empty. A network
// game is never kept; joining or hosting one ends the kept local game.
class TAutosave {
public:
  // An empty name keeps nothing (windows made by tests and tools).
  explicit TAutosave(std::string fileName);

  void Keep(const TGame& game);
  // Puts the kept game on the table and says so in the message panel; false when there is
  // none or it cannot be read (the table is then left as it was).
  bool Restore(TGame& game);

  const std::string& FileName() const { return FFileName; }

private:
  void Remove();

  std::string FFileName;
  std::optional<std::string> FKept;  // the bytes in the file, as far as this program knows
  bool FFilePresent = false;
  bool FWriteFailed = false;  // reported once; no retries that would report it again
  bool FKeeping = false;      // a failed write's message box comes back here before it opens
};

// Whether a step may have changed what a saved game holds: a game started or won, a turn
// recorded, lost or passed on. A throw that scored changes only the turn, which is not saved.
bool ChangesSavedGame(const TStepEvents& events);
