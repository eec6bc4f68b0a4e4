// Saved games (*.sav) loaded as the game loads them: once as the bytes stand, where nearly
// every input stops at the magic or the checksums, and once signed with the right magic and
// checksums so that the payload parser sees the bytes.
#include <algorithm>

#include "base/byte_codec.h"
#include "fuzz/fuzz_input.h"
#include "game/game.h"
#include "game/random.h"
#include "platform/message_box.h"

namespace {

class TQuietBox final : public IMessageBox {
public:
  void Show(const std::string&) override {}
};

void LoadAndPlay(const std::string& bytes) {
  TGame game;
  if (!game.LoadGame(FuzzFile(bytes, ".sav"))) {
    FUZZ_CHECK(game.GameOver());
    return;
  }
  // A loaded game must go on: a few throws and records by whoever has the turn.
  for (int turn = 0; turn < 3 && !game.GameOver(); ++turn) {
    game.StartThrow();
    for (int step = 0; game.DiceMoving() && step < 1000; ++step) game.StepDice();
    if (game.ThrowSettled() == TThrowOutcome::Scored) game.RecordTurn();
  }
  // Saving it again gives a file that loads.
  const std::string again = FuzzFile({}, "-again.sav");
  FUZZ_CHECK(game.SaveGame(again));
  TGame reloaded;
  FUZZ_CHECK(reloaded.LoadGame(again));
  FUZZ_CHECK(reloaded.Players().Count() == game.Players().Count());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static TQuietBox box;
  static TMessageBoxScope scope(box);
  static TSeededRandom random(1);
  static TRandomScope randomScope(random);
  random.Seed(1);
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  LoadAndPlay(bytes);

  const std::string_view payload = std::string_view(bytes).substr(std::min(size, SavedGameHeaderSize));
  const TSavedChecksums sums = SavedGameChecksums(payload);
  LoadAndPlay(std::string(SavedGameMagic) + IntToBin4(sums.A) + IntToBin4(sums.B) + std::string(payload));
  return 0;
}
