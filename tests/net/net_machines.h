#pragma once

#include <chrono>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "game/random.h"
#include "net/net_table_loop.h"
#include "platform/session_tcp.h"

// Forwards the session's events to the game and notes every message on the way.
class TRecordingEvents final : public ISessionEvents {
public:
  explicit TRecordingEvents(ISessionEvents& inner) : FInner(inner) {}
  struct TReceived {
    TSessionPlayerId From = 0;
    TGameMessage Message;
  };
  void PlayerAdded(const TSessionPlayer& player) override { FInner.PlayerAdded(player); }
  void MessageReceived(TSessionPlayerId from, std::string_view block) override {
    if (auto message = UnpackGameMessage(block)) Received.push_back({from, *message});
    FInner.MessageReceived(from, block);
  }
  void HostLost() override { FInner.HostLost(); }
  void PlayerRemoved(TSessionPlayerId member) override { FInner.PlayerRemoved(member); }
  void PlayerIdentified(TSessionPlayerId member, std::uint64_t identity) override {
    FInner.PlayerIdentified(member, identity);
  }
  void NoticeReceived(std::string_view block) override {
    Notices.emplace_back(block);
    FInner.NoticeReceived(block);
  }
  std::vector<TReceived> Received;
  std::vector<std::string> Notices;

private:
  ISessionEvents& FInner;
};

// One machine of a network game: a game, its TCP session on loopback and its table step.
struct TNetMachine {
  TNetMachine(TTcpSessionSettings settings, TLoopPacing pacing)
      : Session(std::move(settings)), Loop(Game, Session, pacing), Recorder(Loop) {
    Session.SetEvents(&Recorder);
  }
  ~TNetMachine() { Session.SetEvents(nullptr); }

  void Tick() {
    Session.Poll();
    Loop.TableStep();
  }

  int AddPlayer(const std::string& name, std::uint8_t kind = PlayerKindHuman) {
    TPlayer player;
    player.FName = name;
    player.FKind = kind;
    const int index = Loop.AddPlayer(player);
    Game.UpdateButtons();
    return index;
  }

  bool LocalHumanToMove() const {
    const TPlayer* player = Game.CurrentPlayer();
    return !Game.GameOver() && player != nullptr && player->FLocal && player->FKind == PlayerKindHuman;
  }

  TGame Game;
  TTcpSession Session;
  TNetTableLoop Loop;
  TRecordingEvents Recorder;
};

// A host on a free loopback port and the machines that join it, all in this thread.
class TNetTable {
public:
  static constexpr std::chrono::seconds TimeLimit{20};

  // `sessions` gives every machine's keep-alive and silence limit.
  explicit TNetTable(TLoopPacing pacing = {}, TTcpSessionSettings sessions = {})
      : FPacing(pacing), FSessions(std::move(sessions)), FRandom(20261210), FScope(FRandom) {
    TTcpSessionSettings settings = FSessions;
    settings.Port = 0;
    Machines.push_back(std::make_unique<TNetMachine>(settings, FPacing));
  }

  TNetMachine& Host() { return *Machines.front(); }
  TNetMachine& operator[](std::size_t index) { return *Machines[index]; }

  bool StartHost() { return Host().Loop.HostGame("127.0.0.1"); }

  // A machine that joins the host by 127.0.0.1, the host served meanwhile; nullptr if the
  // join failed.
  TNetMachine* Join(std::chrono::milliseconds waitLimit = std::chrono::milliseconds(3000)) {
    TTcpSessionSettings settings = FSessions;
    settings.Port = Host().Session.HostPort();
    settings.WaitLimit = waitLimit;
    settings.WhileWaiting = [this] { Host().Session.Poll(); };
    auto machine = std::make_unique<TNetMachine>(settings, FPacing);
    if (!machine->Loop.JoinGame("127.0.0.1")) return nullptr;
    Machines.push_back(std::move(machine));
    return Machines.back().get();
  }

  // The same machine joins again, as its person would after losing the host.
  bool Rejoin(TNetMachine& machine) { return machine.Loop.JoinGame("127.0.0.1"); }

  void Tick() {
    for (auto& machine : Machines) {
      if (machine) machine->Tick();
    }
  }

  // Ticks every machine until `done` holds; false if it never did within the tick or time
  // limit.
  bool RunUntil(const std::function<bool()>& done, int tickLimit = 5000) {
    const auto deadline = std::chrono::steady_clock::now() + TimeLimit;
    for (int tick = 0; tick < tickLimit && std::chrono::steady_clock::now() < deadline; ++tick) {
      if (done()) return true;
      Tick();
    }
    return done();
  }

  // Every machine with no throw, pause or press under way and nothing left to receive.
  bool Settled() {
    for (auto& machine : Machines) {
      if (!machine) continue;
      const TGame& game = machine->Game;
      if (game.ThrowPending() || game.DiceMoving() || game.PassDelay() != 0 || machine->Loop.AutoPressDelay() != 0)
        return false;
    }
    return Same();
  }

  // The game looks the same on every machine: state text, rules, players and totals.
  bool Same() {
    const TGame& first = Host().Game;
    for (auto& machine : Machines) {
      if (!machine) continue;
      const TGame& game = machine->Game;
      if (game.StateToString() != first.StateToString() || game.OptionsToString() != first.OptionsToString() ||
          game.Players().Count() != first.Players().Count())
        return false;
      for (int i = 0; i < game.Players().Count(); ++i) {
        const TPlayer& a = game.Players().Player(i);
        const TPlayer& b = first.Players().Player(i);
        if (a.FName != b.FName || a.Total() != b.Total() || a.FKind != b.FKind || a.FStandIn != b.FStandIn)
          return false;
      }
    }
    return true;
  }

  std::vector<std::unique_ptr<TNetMachine>> Machines;

private:
  TLoopPacing FPacing;
  TTcpSessionSettings FSessions;
  TSeededRandom FRandom;
  TRandomScope FScope;
};
