// A long network game of computer players over real loopback connections while a stranger
// keeps connecting, sending garbage and dropping, and one machine keeps leaving and coming
// back: every machine must end up agreeing, and memory must not creep up with the turns.
#include <gtest/gtest.h>

#include <fstream>

#include "platform/session_wire.h"
#include "tests/net/net_machines.h"
#include "tests/support/raw_tcp.h"
#include "tests/support/sanitized_build.h"

namespace {

// Resident memory of this process in kB.
long ResidentKb() {
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line)) {
    if (line.rfind("VmRSS:", 0) == 0) return std::stol(line.substr(6));
  }
  return 0;
}

// A stranger on the host's port: now and then it connects, sends a burst of random frames
// (some after a proper handshake, so that they reach a joined member's handling) and drops.
class TStranger {
public:
  TStranger(std::uint16_t port, std::uint64_t seed) : FPort(port), FRandom(seed) {}

  void Tick() {
    if (FRandom.Random(40) != 0) return;
    if (!FConnected) {
      FConnected = FSocket.Connect(FPort);
      FConnections += FConnected ? 1 : 0;
      if (FConnected && FRandom.Random(2) == 0)
        FSocket.Send(SessionWire::HelloFrame() + SessionWire::JoinFrame("FFF", FRandom.Random(2) ? "SERVER" : "666"));
      return;
    }
    std::string burst;
    for (int frames = 1 + FRandom.Random(4); frames > 0; --frames) burst += RandomFrame();
    FSocket.Send(burst);
    if (FRandom.Random(3) == 0) {
      FSocket.Close();
      FConnected = false;
    }
  }

  int Connections() const { return FConnections; }

private:
  // A frame of any type with a random body, or one whose header lies about its size. Game
  // messages are left out: a member may send those, and the host's order keeps them agreed.
  std::string RandomFrame() {
    std::string body(FRandom.Random(60), '\0');
    for (char& c : body) c = static_cast<char>(FRandom.Random(256));
    if (FRandom.Random(5) == 0) return std::string("\xff\xff\x00\x00", 4) + body;
    const auto type = static_cast<char>(FRandom.Random(9));
    const std::string payload = type + body;
    const auto size = static_cast<std::uint32_t>(payload.size());
    std::string header;
    for (int i = 0; i < 4; ++i) header += static_cast<char>(size >> (8 * i));
    return header + payload;
  }

  std::uint16_t FPort;
  TSeededRandom FRandom;
  TRawTcp FSocket;
  bool FConnected = false;
  int FConnections = 0;
};

// Leaves now and then, for a while, and joins again as the same program: the host's computer
// plays its player meanwhile.
class TWanderer {
public:
  TWanderer(TNetTable& table, TNetMachine& machine, std::uint64_t seed)
      : FTable(table), FMachine(machine), FRandom(seed) {}

  void Tick() {
    if (FRandom.Random(300) != 0) return;
    if (FAway) {
      Return();
    } else {
      FMachine.Session.Close();
      FAway = true;
      ++FDepartures;
    }
  }

  void Return() {
    if (!FAway) return;
    FAway = false;
    FReturns += FTable.Rejoin(FMachine) ? 1 : 0;
  }

  int Departures() const { return FDepartures; }
  int Returns() const { return FReturns; }

private:
  TNetTable& FTable;
  TNetMachine& FMachine;
  TSeededRandom FRandom;
  bool FAway = false;
  int FDepartures = 0;
  int FReturns = 0;
};

TEST(NetEndurance, FiveMachinesPlayThousandsOfTurnsThroughAStrangersNoiseAndAMachineComingAndGoing) {
  constexpr int kTurns = 3000;
  constexpr int kPlayers = 5;
  TNetTable table({.ComputerPressDelay = 1, .CutPassDelay = true, .FastForwardDice = true});
  TNetMachine& host = table.Host();
  host.AddPlayer("Host", PlayerKindComputer);
  ASSERT_TRUE(table.StartHost());
  for (int i = 0; i < 3; ++i) {
    TNetMachine* client = table.Join();
    ASSERT_TRUE(client);
    client->AddPlayer("Client" + std::to_string(i), PlayerKindComputer);
  }
  TNetMachine* wandering = table.Join();
  ASSERT_TRUE(wandering);
  wandering->AddPlayer("Wanderer", PlayerKindComputer);
  ASSERT_TRUE(table.RunUntil([&] { return host.Game.Players().Count() == kPlayers && table.Same(); }));

  int turns = 0;
  int games = 0;
  for (auto& machine : table.Machines) machine->Loop.SetEventSink({});
  host.Loop.SetEventSink([&](const TStepEvents& events) { turns += events.TurnRecorded ? 1 : 0; });
  TStranger stranger(host.Session.HostPort(), 4242);
  TWanderer wanderer(table, *wandering, 77);
  long residentAtStart = 0;
  for (int tick = 0; turns < kTurns && tick < 400 * kTurns; ++tick) {
    if (host.Game.GameOver() && table.Settled()) {
      host.Game.UpdateButtons();
      if (host.Loop.PressButton(TTableButtons::Start)) ++games;
    }
    stranger.Tick();
    wanderer.Tick();
    table.Tick();
    // What the recorders keep is the test's own; the game's memory is what is measured.
    for (auto& machine : table.Machines) machine->Recorder.Received.clear();
    if (residentAtStart == 0 && turns >= kTurns / 4) residentAtStart = ResidentKb();
  }
  ASSERT_GE(turns, kTurns);
  EXPECT_GE(games, 2);
  EXPECT_GE(stranger.Connections(), 20);
  EXPECT_GE(wanderer.Departures(), 10);

  wanderer.Return();
  EXPECT_EQ(wanderer.Returns(), wanderer.Departures());
  ASSERT_TRUE(table.RunUntil([&] { return table.Settled(); }, 20000));
  EXPECT_TRUE(table.Same());
  for (auto& machine : table.Machines) {
    EXPECT_FALSE(machine->Game.NetHost() && machine.get() != &host);
    EXPECT_EQ(machine->Game.Players().Count(), kPlayers);
    EXPECT_FALSE(machine->Game.Players().Player(kPlayers - 1).FStandIn);
  }
  EXPECT_TRUE(wandering->Game.Players().Player(kPlayers - 1).FLocal);
  // The sanitizers hold freed memory back on purpose, so only a plain build can tell.
  if (!SanitizedBuild) {
    EXPECT_LT(ResidentKb() - residentAtStart, 16 * 1024);
  }
}

}  // namespace
