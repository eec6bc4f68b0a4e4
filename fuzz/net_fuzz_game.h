#pragma once

#include "fuzz/fuzz_input.h"
#include "game/game.h"
#include "game/random.h"
#include "net/net_table_loop.h"
#include "tests/support/fake_session.h"

// A machine of a network game for the message harnesses: the host or a client, with players
// of every kind on this machine and elsewhere, a game in progress and a fixed generator.
class TFuzzNetMachine {
public:
  static constexpr TSessionPlayerId HostId = 5;
  static constexpr TSessionPlayerId ClientId = 9;
  static constexpr TSessionPlayerId FirstJoinerId = 20;

  // Takes from the front of the input: the role, how many players and their kinds.
  explicit TFuzzNetMachine(TFuzzInput& input) : FRandom(1), FScope(FRandom) {
    const std::uint8_t setup = input.Byte();
    const bool host = (setup & 1) != 0;
    if (!host) {
      Session.Self = {ClientId, "31337"};
      Session.Members = {{HostId, "SERVER"}, {ClientId, "31337"}};
    }
    if (host) {
      Loop.HostGame("127.0.0.1");
    } else {
      Loop.JoinGame("127.0.0.1");
    }
    // Players added here directly, not through the host: on a client they make a local list
    // that the host's messages need not agree with.
    const int players = (setup >> 1) % 7;
    const std::uint8_t kinds = input.Byte();
    for (int i = 0; i < players; ++i) {
      TPlayer player;
      player.FName = "P" + std::to_string(i);
      player.FKind = (kinds >> i) & 1 ? PlayerKindComputer : PlayerKindHuman;
      player.FLocal = ((kinds >> (i + 1)) & 1) != 0;
      Game.AddPlayer(player);
    }
    if (players > 0) Game.StartGame();
  }

  // Steps the table a bounded number of times, as the ticks between messages would.
  void Steps(int count) {
    for (int i = 0; i < count; ++i) Loop.TableStep();
  }

  void Receive(std::int32_t kind, std::string_view text) {
    Loop.MessageReceived(Game.NetHost() ? ClientId : HostId, PackGameMessage(kind, text));
  }

  TSeededRandom FRandom;
  TRandomScope FScope;
  TGame Game;
  TFakeSession Session;
  TNetTableLoop Loop{Game, Session, {.ComputerPressDelay = 2, .CutPassDelay = true, .FastForwardDice = true}};
};
