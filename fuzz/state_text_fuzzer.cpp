// The game state a joining machine receives after the rules and the host's players, on a
// client whose own list of players disagrees with the host's: any state text, any number of
// player records and deletions before it. Then the game must play on.
#include "fuzz/net_fuzz_game.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  TFuzzInput input(data, size);
  TFuzzNetMachine machine(input);
  TGame& game = machine.Game;

  machine.Receive(gmRules, input.Take(PackedOptionsSize));
  for (int players = input.Byte() % 8; players > 0; --players) machine.Receive(gmPlayerAdded, input.Piece());
  if (input.Byte() & 1) machine.Receive(gmPlayerDeleted, std::to_string(input.Byte() % 8));

  const std::string_view state = input.Rest();
  const std::string before = game.StateToString();
  const bool taken = game.StateFromString(state);
  if (taken) {
    // The text it reads back is the one it writes.
    const std::string after = game.StateToString();
    FUZZ_CHECK(after.size() == TGame::StateTextSize);
    FUZZ_CHECK(game.StateFromString(after) && game.StateToString() == after);
  } else {
    FUZZ_CHECK(game.StateToString() == before);
  }
  const int count = game.Players().Count();
  FUZZ_CHECK(game.CurrentPlayerIndex() >= -1 && game.CurrentPlayerIndex() < std::max(count, 1));
  machine.Steps(200);
  return 0;
}
