#include "game/autosave.h"

#include <filesystem>
#include <system_error>

#include "game/message_texts.h"
#include "gfx/file_io.h"

TAutosave::TAutosave(std::string fileName) : FFileName(std::move(fileName)) {
  std::error_code error;
  FFilePresent = !FFileName.empty() && std::filesystem::exists(FFileName, error);
}

void TAutosave::Keep(const TGame& game) {
  if (FFileName.empty() || FKeeping) return;
  FKeeping = true;
  const bool inPlay = !game.GameOver() && !game.NetGame() && game.Players().Count() > 0;
  if (!inPlay) {
    Remove();
  } else if (const std::optional<std::string> bytes = game.SavedGameBytes(); bytes && bytes != FKept && !FWriteFailed) {
    std::error_code error;
    std::filesystem::create_directories(std::filesystem::path(FFileName).parent_path(), error);
    if (WriteStringToFile(FFileName, *bytes)) {
      FKept = bytes;
      FFilePresent = true;
    } else {
      FWriteFailed = true;
    }
  }
  FKeeping = false;
}

bool TAutosave::Restore(TGame& game) {
  if (!FFilePresent) return false;
  if (game.LoadGameWithReason(FFileName) != TSavedGameError::None || game.GameOver()) {
    game.SetMessage(StartMessage());
    return false;
  }
  FKept = game.SavedGameBytes();
  const TPlayer* player = game.CurrentPlayer();
  game.SetMessage(RestoredGameMessage(player ? player->FName : std::string()));
  return true;
}

void TAutosave::Remove() {
  if (!FFilePresent) return;
  std::error_code error;
  std::filesystem::remove(FFileName, error);
  FFilePresent = false;
  FKept.reset();
}

bool ChangesSavedGame(const TStepEvents& events) {
  const bool turnLost = events.Settled && events.Outcome != TThrowOutcome::Scored;
  return events.GameStarted || events.GameWon || events.TurnRecorded || events.TurnPassed || turnLost;
}
