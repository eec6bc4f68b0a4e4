// Game messages of every kind with any text, from the host or a client, arriving at a
// machine with players and a game in progress, with table steps between them as the ticks
// between network events run them. A peer may also send a record of any 136 bytes, and a
// new session member may turn up at any time. Our own peers' session news comes too: a member
// gone, a member's identity, the host's notice of who plays which player.
#include "fuzz/net_fuzz_game.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  TFuzzInput input(data, size);
  TFuzzNetMachine machine(input);
  while (!input.Empty()) {
    const std::uint8_t op = input.Byte();
    switch (op % 11) {
      case 0: {  // a raw record, well formed or not
        std::string block(input.Take(GameMessageSize));
        block.resize(GameMessageSize, '\0');
        machine.Loop.MessageReceived(TFuzzNetMachine::HostId, block);
        break;
      }
      case 1:  // the session numbers members itself: never this machine's own id again
        machine.Loop.PlayerAdded({TFuzzNetMachine::FirstJoinerId + input.Byte(), std::string(input.Piece())});
        break;
      case 2:
        machine.Steps(input.Byte() % 64);
        break;
      case 3:
        machine.Loop.NoticeReceived(input.Piece());
        break;
      case 4:
        machine.Loop.PlayerRemoved(input.Byte() & 1 ? TFuzzNetMachine::ClientId
                                                    : TFuzzNetMachine::FirstJoinerId + input.Byte());
        break;
      case 5:
        machine.Loop.PlayerIdentified(TFuzzNetMachine::FirstJoinerId + input.Byte(), input.Byte() % 4);
        break;
      default:  // kinds 2..8, and now and then one outside them
        machine.Receive(op >= 0xF8 ? static_cast<std::int8_t>(input.Byte()) : 2 + (op >> 3) % 7, input.Piece());
        break;
    }
    machine.Steps(1);
  }
  // Whatever arrived, the game plays on.
  machine.Steps(200);
  const int count = machine.Game.Players().Count();
  FUZZ_CHECK(machine.Game.CurrentPlayerIndex() >= -1 && machine.Game.CurrentPlayerIndex() < std::max(count, 1));
  return 0;
}
